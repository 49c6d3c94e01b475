// benchupd_download: the updater window downloading its installer from a loopback
// server, against `curl -o` on the same file from the same server in the same run.
//
// Goals: throughput on 256 MiB at least 0.5 of curl's; peak memory (VmHWM) of the
// downloading process for 256 MiB at most 20 MiB above that for 16 MiB, since the body
// streams through a small buffer in 1024-byte chunks.
//
// Each download runs in a child process of its own (this program with --child), so
// that its peak memory is its own; the parent only serves the files.

#include "FileDownloader.h"
#include "LoopbackHttpServer.h"
#include "Progress.h"
#include "UpdaterDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {
constexpr qint64 kMiB = 1024 * 1024;

class SilentDialogs : public UpdaterDialogs
{
public:
    QStringList titles;
    Answer message(const QString& title, const QString&, Icon, Buttons) override
    {
        titles << title;
        return Answer::Ok;
    }
    QString input(const QString&, const QString&) override { return {}; }
};

qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The child: the real window, pressed once; prints "<ms> <peak KiB> <ok>".
int child(const QString& host, const QString& folder)
{
    SilentDialogs dialogs;
    Progress window(dialogs, folder, host);
    window.setProcessStarter([](const QString&, const QString&) { return true; });
    window.setEndProgram([] {});
    window.show();
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdUpdate"))->click();
    const qint64 ms = clock.elapsed();
    const bool ok = dialogs.titles == QStringList{QStringLiteral("Success")};
    std::printf("%lld %lld %d\n", static_cast<long long>(ms), static_cast<long long>(peakKiB()), ok ? 1 : 0);
    return ok ? 0 : 1;
}

bool makeFile(const QString& path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(kMiB, Qt::Uninitialized);
    QRandomGenerator gen(7);
    gen.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
    for (qint64 done = 0; done < size; done += block.size())
        if (f.write(block) != block.size())
            return false;
    return true;
}

// Runs a process while the parent's event loop serves it.
QByteArray runServed(const QString& program, const QStringList& args, qint64* wallMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    loop.exec();
    *wallMs = clock.elapsed();
    return process.readAllStandardOutput();
}

struct Figures
{
    double ms = -1;
    qint64 peakKiB = -1;
    bool ok = false;
};

Figures ours(LoopbackHttpServer& server, const QString& file, const QString& folder)
{
    LoopbackHttpServer::Response r;
    r.bodyFile = file;
    server.setResponse("/Soft/Pelimora/setup-Ornavex.exe", r);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    qint64 wall = 0;
    const QList<QByteArray> out = runServed(QCoreApplication::applicationFilePath(),
                                            {QStringLiteral("--child"), server.hostAndPort(), folder}, &wall)
                                      .trimmed()
                                      .split(' ');
    Figures f;
    if (out.size() == 3) {
        f.ms = out[0].toDouble();
        f.peakKiB = out[1].toLongLong();
        f.ok = out[2] == "1" &&
               QFileInfo(QDir(folder).filePath(QStringLiteral("setup-Ornavex.exe"))).size() == QFileInfo(file).size();
    }
    return f;
}

Figures curl(LoopbackHttpServer& server, const QString& curlPath, const QString& file, const QString& dest)
{
    LoopbackHttpServer::Response r;
    r.bodyFile = file;
    server.setResponse("/curl.bin", r);
    QFile::remove(dest);
    qint64 wall = 0;
    const QByteArray out =
        runServed(curlPath,
                  {QStringLiteral("-s"), QStringLiteral("-o"), dest, QStringLiteral("-w"),
                   QStringLiteral("%{time_total}"), server.url(QStringLiteral("/curl.bin")).toString()},
                  &wall);
    Figures f;
    f.ms = out.trimmed().toDouble() * 1000.0;
    f.ok = QFileInfo(dest).size() == QFileInfo(file).size();
    return f;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return child(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString curlPath = QStandardPaths::findExecutable(QStringLiteral("curl"));

    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("16.bin"));
    const QString large = dir.filePath(QStringLiteral("256.bin"));
    if (!dir.isValid() || !makeFile(small, 16 * kMiB) || !makeFile(large, 256 * kMiB)) {
        out << "cannot make the test files in " << dir.path() << "\n";
        return 1;
    }
    LoopbackHttpServer server;
    if (!server.start()) {
        out << "cannot start the loopback server\n";
        return 1;
    }
    const QString folder = dir.filePath(QStringLiteral("program"));

    // Best of five for throughput (the machine may be shared); the peak is the same every run.
    Figures small16, large256, curl256;
    for (int round = 0; round < 5; ++round) {
        const Figures s = ours(server, small, folder);
        const Figures l = ours(server, large, folder);
        if (!s.ok || !l.ok) {
            out << "a download failed\n";
            return 1;
        }
        if (small16.ms < 0 || s.ms < small16.ms)
            small16 = s;
        if (large256.ms < 0 || l.ms < large256.ms)
            large256 = l;
        if (!curlPath.isEmpty()) {
            const Figures c = curl(server, curlPath, large, dir.filePath(QStringLiteral("curl.out")));
            if (c.ok && (curl256.ms < 0 || c.ms < curl256.ms))
                curl256 = c;
        }
    }

    auto mibPerS = [](qint64 bytes, double ms) { return ms > 0 ? bytes / double(kMiB) / (ms / 1000.0) : 0.0; };
    const double oursRate = mibPerS(256 * kMiB, large256.ms);
    out << QStringLiteral("updater  16 MiB: %1 ms, peak %2 MiB\n")
               .arg(small16.ms, 0, 'f', 0)
               .arg(small16.peakKiB / 1024.0, 0, 'f', 1);
    out << QStringLiteral("updater 256 MiB: %1 ms (%2 MiB/s), peak %3 MiB\n")
               .arg(large256.ms, 0, 'f', 0)
               .arg(oursRate, 0, 'f', 0)
               .arg(large256.peakKiB / 1024.0, 0, 'f', 1);
    bool pass = true;
    if (curl256.ms > 0) {
        const double curlRate = mibPerS(256 * kMiB, curl256.ms);
        const double ratio = oursRate / curlRate;
        out << QStringLiteral("curl -o 256 MiB: %1 ms (%2 MiB/s)\n")
                   .arg(curl256.ms, 0, 'f', 0)
                   .arg(curlRate, 0, 'f', 0);
        out << QStringLiteral("throughput ratio %1 (goal >= 0.5): %2\n")
                   .arg(ratio, 0, 'f', 2)
                   .arg(ratio >= 0.5 ? QStringLiteral("met") : QStringLiteral("NOT MET"));
        pass = pass && ratio >= 0.5;
    } else {
        out << "curl not found: throughput not compared\n";
    }
    const double growth = (large256.peakKiB - small16.peakKiB) / 1024.0;
    out << QStringLiteral("peak growth 16 -> 256 MiB: %1 MiB (goal <= 20): %2\n")
               .arg(growth, 0, 'f', 1)
               .arg(growth <= 20 ? QStringLiteral("met") : QStringLiteral("NOT MET"));
    pass = pass && growth <= 20;
    return pass ? 0 : 1;
}
