// pelimora_gallery OUTDIR [--all-themes] [NAME-FILTER]
// Renders every registered window to OUTDIR/theme-N/NAME.png, for theme 1, or with
// --all-themes for every theme number 1 to 13.

#include "Gallery.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QTest>
#include <QTextStream>
#include <vector>

namespace {
std::vector<std::pair<QString, ShotMaker>>& shots()
{
    static std::vector<std::pair<QString, ShotMaker>> list;
    return list;
}
} // namespace

bool registerShot(const char* name, ShotMaker make)
{
    shots().emplace_back(QString::fromUtf8(name), std::move(make));
    return true;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool allThemes = args.removeAll(QStringLiteral("--all-themes")) > 0;
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: pelimora_gallery OUTDIR [--all-themes] [NAME-FILTER]\n";
        return 2;
    }
    const QString out = QDir(args[0]).absolutePath();
    const QString filter = args.size() > 1 ? args[1] : QString();
    std::sort(shots().begin(), shots().end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<int> themes{1};
    if (allThemes)
        for (int t = 2; t <= 13; ++t)
            themes << t;
    int written = 0;
    for (int theme : themes) {
        const QString dir = QDir(out).filePath(QStringLiteral("theme-%1").arg(theme));
        QDir().mkpath(dir);
        for (const auto& [name, make] : shots()) {
            if (!filter.isEmpty() && !name.contains(filter))
                continue;
            TestEnvironment env;
            env.setTheme(theme);
            QWidget* w = make(env);
            if (!w)
                continue;
            w->show();
            QApplication::processEvents();
            QTest::qWait(30);
            const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
            if (!w->grab().save(file))
                QTextStream(stderr) << "cannot write " << file << "\n";
            else
                ++written;
        }
    }
    QTextStream(stdout) << written << " pictures in " << out << "\n";
    return 0;
}
