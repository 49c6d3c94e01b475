// The skin files and the theme tables: every skin loads, is its own look, styles every
// kind of control, keeps its texts readable (contrast of at least 4.5:1), and a skin
// file that is missing or damaged leaves the window's plain look.
//
// Reading the colour pairs: in each rule block, `color` lies on `background-color`
// (or `background`), `selection-color` on `selection-background-color`, and `color`
// on `alternate-background-color`. What a block leaves out comes from the same
// selector without its states (QPushButton for QPushButton:hover), then from the
// QWidget rule. A text whose background is transparent or unset lies on one of the
// skin's surfaces: the window (QWidget, QDialog, QMessageBox) or a panel (QFrame,
// QGroupBox), and is checked against every one of them. Gradients are checked stop by
// stop. A progress bar's text is also checked against its chunk.

#include "TestEnvironment.h"
#include "shell/Frm1.h"
#include "shell/Skin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <cmath>

namespace {

const QString kSkinDir = qEnvironmentVariable("PELIMORA_SKIN_DIR");

QStringList allSkinFiles()
{
    QStringList files = Skin::standardTable().values() + Skin::updateTable().values();
    files.removeDuplicates();
    files.sort();
    return files;
}

QString skinPath(const QString& file)
{
    return QDir(kSkinDir).filePath(file);
}

using Properties = QMap<QString, QString>; // property -> value, the last one given wins

// Selector (as written, states included) -> its properties, merged over the sheet.
struct Sheet
{
    QMap<QString, Properties> rules;
    QStringList errors;
};

QString withoutComments(QString text)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return text.remove(comment);
}

QStringList splitOutside(const QString& text, QChar separator)
{
    QStringList parts;
    int depth = 0;
    QString current;
    for (QChar c : text) {
        if (c == u'(' || c == u'[')
            ++depth;
        else if (c == u')' || c == u']')
            --depth;
        if (c == separator && depth == 0) {
            parts << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

Sheet parse(const QString& styleSheet)
{
    Sheet sheet;
    const QString text = withoutComments(styleSheet);
    int pos = 0;
    while (true) {
        const int open = text.indexOf(u'{', pos);
        if (open < 0) {
            if (!text.mid(pos).trimmed().isEmpty())
                sheet.errors << QStringLiteral("text after the last rule: ") + text.mid(pos).trimmed().left(40);
            break;
        }
        const int close = text.indexOf(u'}', open);
        if (close < 0) {
            sheet.errors << QStringLiteral("unclosed rule: ") + text.mid(pos, open - pos).trimmed();
            break;
        }
        // Qt's own parser drops what it cannot read without a word, so the skins are
        // held to plain selectors and declarations here.
        static const QRegularExpression selectorShape(QStringLiteral("^[A-Za-z*][A-Za-z0-9_:!#.\\-\\[\\]=\" >]*$"));
        static const QRegularExpression propertyShape(QStringLiteral("^[a-z-]+$"));
        const QString body = text.mid(open + 1, close - open - 1);
        if (body.contains(u'{'))
            sheet.errors << QStringLiteral("rule not closed before the next one: ") + text.mid(pos, open - pos).trimmed();
        const QStringList selectors = splitOutside(text.mid(pos, open - pos), u',');
        if (selectors.isEmpty())
            sheet.errors << QStringLiteral("rule without a selector");
        for (const QString& selector : selectors)
            if (!selectorShape.match(selector.simplified()).hasMatch())
                sheet.errors << QStringLiteral("bad selector: ") + selector;
        Properties props;
        for (const QString& declaration : splitOutside(body, u';')) {
            const int colon = declaration.indexOf(u':');
            if (colon <= 0 || !propertyShape.match(declaration.left(colon).trimmed()).hasMatch() ||
                declaration.mid(colon + 1).trimmed().isEmpty()) {
                sheet.errors << QStringLiteral("bad declaration: ") + declaration;
                continue;
            }
            props[declaration.left(colon).trimmed().toLower()] = declaration.mid(colon + 1).trimmed();
        }
        for (const QString& selector : selectors) {
            QString key = selector.simplified();
            for (auto it = props.cbegin(); it != props.cend(); ++it)
                sheet.rules[key][it.key()] = it.value();
        }
        pos = close + 1;
    }
    return sheet;
}

// The selector without its states and attributes: "QPushButton:hover" -> "QPushButton",
// "QRadioButton::indicator:checked" -> "QRadioButton::indicator".
QString baseSelector(const QString& selector)
{
    static const QRegularExpression attribute(QStringLiteral("\\[[^\\]]*\\]"));
    static const QRegularExpression state(QStringLiteral("(?<!:):!?[A-Za-z-]+"));
    QString base = selector;
    base.remove(attribute);
    base.remove(state);
    return base;
}

QString subControl(const QString& selector)
{
    const int at = selector.indexOf(QStringLiteral("::"));
    if (at < 0)
        return {};
    static const QRegularExpression name(QStringLiteral("::([A-Za-z-]+)"));
    return name.match(selector).captured(1);
}

struct Colours
{
    bool transparent = false;
    QList<QColor> colours;
    QString error;
};

// The colours of a value: one colour, or every stop of a gradient.
Colours coloursOf(const QString& value)
{
    Colours result;
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("transparent") || v == QLatin1String("none")) {
        result.transparent = true;
        return result;
    }
    static const QRegularExpression colour(
        QStringLiteral("#[0-9a-f]{6}\\b|#[0-9a-f]{3}\\b|rgba?\\([^)]*\\)"));
    auto it = colour.globalMatch(v);
    while (it.hasNext()) {
        const QString c = it.next().captured(0);
        if (c.startsWith(QLatin1String("rgb"))) {
            const QStringList parts = c.mid(c.indexOf(u'(') + 1).chopped(1).split(u',');
            if (parts.size() < 3) {
                result.error = QStringLiteral("cannot read ") + c;
                continue;
            }
            if (parts.size() == 4 && parts[3].trimmed().toDouble() < 1.0)
                result.error = QStringLiteral("translucent colours cannot be judged: ") + c;
            result.colours << QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt());
        } else {
            result.colours << QColor::fromString(c);
        }
    }
    if (result.colours.isEmpty() && result.error.isEmpty())
        result.error = QStringLiteral("no colour I can read in ") + value;
    return result;
}

double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class ContrastCheck
{
public:
    explicit ContrastCheck(const Sheet& sheet) : m_sheet(sheet)
    {
        for (const char* s : {"QWidget", "QDialog", "QMessageBox", "QFrame", "QGroupBox"}) {
            const QString selector = QString::fromLatin1(s);
            for (const char* p : {"background-color", "background"}) {
                const QString value = own(selector, QString::fromLatin1(p));
                if (!value.isEmpty()) {
                    const Colours c = coloursOf(value);
                    m_surfaces += c.colours;
                    if (!c.error.isEmpty())
                        m_failures << selector + QStringLiteral(": ") + c.error;
                }
            }
        }
        if (m_surfaces.isEmpty())
            m_failures << QStringLiteral("the skin gives the window no background");
    }

    QStringList failures()
    {
        for (auto it = m_sheet.rules.cbegin(); it != m_sheet.rules.cend(); ++it)
            checkRule(it.key(), it.value());
        return m_failures;
    }

private:
    QString own(const QString& selector, const QString& property) const
    {
        return m_sheet.rules.value(selector).value(property);
    }

    // A property of the selector, else of its base, else of the owner of its
    // subcontrol (QGroupBox for QGroupBox::title), else of QWidget when allowed.
    QString inherited(const QString& selector, const QStringList& properties, bool fromWidget) const
    {
        QStringList chain{selector, baseSelector(selector)};
        if (!subControl(selector).isEmpty())
            chain << baseSelector(selector).section(QStringLiteral("::"), 0, 0);
        if (fromWidget)
            chain << QStringLiteral("QWidget");
        for (const QString& s : chain)
            for (const QString& p : properties) {
                const QString v = own(s, p);
                if (!v.isEmpty())
                    return v;
            }
        return {};
    }

    QList<QColor> backgroundOf(const QString& selector, const QString& ownValue)
    {
        const QString value =
            ownValue.isEmpty() ? inherited(selector, {QStringLiteral("background-color"), QStringLiteral("background")}, false)
                               : ownValue;
        if (value.isEmpty())
            return m_surfaces;
        const Colours c = coloursOf(value);
        if (!c.error.isEmpty())
            m_failures << selector + QStringLiteral(": ") + c.error;
        return c.transparent ? m_surfaces : c.colours;
    }

    void pair(const QString& selector, const QString& what, const QString& fgValue, const QList<QColor>& backgrounds)
    {
        const Colours fg = coloursOf(fgValue);
        if (!fg.error.isEmpty() || fg.transparent) {
            m_failures << selector + QStringLiteral(": ") + (fg.transparent ? QStringLiteral("invisible text") : fg.error);
            return;
        }
        for (const QColor& f : fg.colours)
            for (const QColor& b : backgrounds) {
                const double ratio = contrast(f, b);
                if (ratio < 4.5)
                    m_failures << QStringLiteral("%1 (%2): %3 on %4 is %5:1")
                                      .arg(selector, what, f.name(), b.name())
                                      .arg(ratio, 0, 'f', 2);
            }
    }

    void checkRule(const QString& selector, const Properties& props)
    {
        const QString sub = subControl(selector);
        // Subcontrols other than header sections and group titles carry no text.
        const bool carriesText = sub.isEmpty() || sub == QLatin1String("section") || sub == QLatin1String("title");
        const QString bgOwn = props.value(QStringLiteral("background-color"), props.value(QStringLiteral("background")));
        if (carriesText && (props.contains(QStringLiteral("color")) || !bgOwn.isEmpty()))
            pair(selector, QStringLiteral("text"), inherited(selector, {QStringLiteral("color")}, true),
                 backgroundOf(selector, bgOwn));
        if (carriesText && props.contains(QStringLiteral("alternate-background-color"))) {
            const Colours alt = coloursOf(props.value(QStringLiteral("alternate-background-color")));
            pair(selector, QStringLiteral("alternate rows"), inherited(selector, {QStringLiteral("color")}, true),
                 alt.colours);
        }
        if (props.contains(QStringLiteral("selection-color")) ||
            props.contains(QStringLiteral("selection-background-color"))) {
            const QString bg = inherited(selector, {QStringLiteral("selection-background-color")}, true);
            pair(selector, QStringLiteral("selection"), inherited(selector, {QStringLiteral("selection-color")}, true),
                 coloursOf(bg).colours);
        }
        if (sub == QLatin1String("chunk") && baseSelector(selector).startsWith(QLatin1String("QProgressBar"))) {
            pair(selector, QStringLiteral("progress text on chunk"),
                 inherited(QStringLiteral("QProgressBar"), {QStringLiteral("color")}, true),
                 backgroundOf(selector, bgOwn));
        }
    }

    const Sheet& m_sheet;
    QList<QColor> m_surfaces;
    QStringList m_failures;
};

// One widget of every kind the windows use, in every state the skins style.
QWidget* sampleWindow()
{
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    int row = 0;
    auto add = [&](QWidget* child) { grid->addWidget(child, row++, 0); };
    add(new QLabel(QStringLiteral("برچسب"), w));
    auto* pressed = new QPushButton(QStringLiteral("ذخيره"), w);
    pressed->setDown(true);
    add(pressed);
    auto* off = new QPushButton(QStringLiteral("انصراف"), w);
    off->setEnabled(false);
    add(off);
    auto* group = new QGroupBox(QStringLiteral("گروه"), w);
    new QRadioButton(QStringLiteral("درست"), group);
    add(group);
    auto* frame = new QFrame(w);
    frame->setFrameShape(QFrame::StyledPanel);
    add(frame);
    auto* readOnly = new QLineEdit(QStringLiteral("1024"), w);
    readOnly->setReadOnly(true);
    add(readOnly);
    add(new QTextEdit(w));
    add(new QPlainTextEdit(w));
    auto* combo = new QComboBox(w);
    combo->addItems({QStringLiteral("مرد"), QStringLiteral("زن")});
    add(combo);
    auto* table = new QTableWidget(2, 2, w);
    table->setHorizontalHeaderLabels({QStringLiteral("کد"), QStringLiteral("نام")});
    add(table);
    auto* check = new QCheckBox(QStringLiteral("همه"), w);
    check->setChecked(true);
    add(check);
    auto* progress = new QProgressBar(w);
    progress->setValue(40);
    add(progress);
    return w;
}

QStringList g_styleWarnings;
QtMessageHandler g_previousHandler = nullptr;

void recordStyleWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive) || message.startsWith(QLatin1String("QCss")))
        g_styleWarnings << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

class TestSkins : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void everySkinLoads_data();
    void everySkinLoads();
    void skinsAreDistinct();
    void skinsAreReadable_data() { everySkinLoads_data(); }
    void skinsAreReadable();
    void skinsPolishWithoutWarnings_data() { everySkinLoads_data(); }
    void skinsPolishWithoutWarnings();

    void themeNumbers_data();
    void themeNumbers();
    void tablesDifferOnlyWhereTheyShould();

    void damagedSkinLeavesPlainLook_data();
    void damagedSkinLeavesPlainLook();
    void damagedSkinDoesNotStopTheMainWindow();
    void mainWindowWearsTheStoredSkin_data();
    void mainWindowWearsTheStoredSkin();
};

void TestSkins::initTestCase()
{
    QVERIFY2(!kSkinDir.isEmpty(), "PELIMORA_SKIN_DIR names the folder of the skin files");
    QCOMPARE(allSkinFiles().size(), 14);
}

void TestSkins::everySkinLoads_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : allSkinFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestSkins::everySkinLoads()
{
    QFETCH(QString, file);
    const QString sheet = Skin::loadStyleSheet(skinPath(file));
    QVERIFY2(!sheet.isEmpty(), qPrintable(file + QStringLiteral(" did not load")));
    QVERIFY(sheet.startsWith(QLatin1String("/* Pelimora skin")));

    // Every kind of control the windows show has its look in the skin.
    const Sheet parsed = parse(sheet);
    QVERIFY2(parsed.errors.isEmpty(), qPrintable(parsed.errors.join(u'\n')));
    const char* required[] = {
        "QWidget", "QDialog", "QMessageBox", "QFrame", "QGroupBox", "QLabel", "QToolTip",
        "QPushButton", "QPushButton:hover", "QPushButton:pressed", "QPushButton:disabled",
        "QLineEdit", "QLineEdit:focus", "QLineEdit:read-only", "QLineEdit:disabled",
        "QTextEdit", "QTextEdit:focus", "QTextEdit[readOnly=\"true\"]", "QTextEdit:disabled",
        "QPlainTextEdit", "QPlainTextEdit:focus", "QPlainTextEdit[readOnly=\"true\"]", "QPlainTextEdit:disabled",
        "QComboBox", "QComboBox:disabled", "QComboBox QAbstractItemView",
        "QTableView", "QHeaderView::section", "QRadioButton", "QCheckBox", "QRadioButton::indicator:checked",
        "QCheckBox::indicator:checked", "QProgressBar", "QProgressBar::chunk",
    };
    QStringList missing;
    for (const char* selector : required) {
        const Properties props = parsed.rules.value(QString::fromLatin1(selector));
        if (!props.contains(QStringLiteral("background-color")) && !props.contains(QStringLiteral("background")) &&
            !props.contains(QStringLiteral("color")))
            missing << QString::fromLatin1(selector);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(file + QStringLiteral(" does not colour: ") + missing.join(u' ')));
    QVERIFY(parsed.rules.value(QStringLiteral("QTableView")).contains(QStringLiteral("gridline-color")));
}

void TestSkins::skinsAreDistinct()
{
    // Each skin is its own look: no two share the colours of window, text and buttons.
    QMap<QString, QString> looks;
    for (const QString& file : allSkinFiles()) {
        const Sheet sheet = parse(Skin::loadStyleSheet(skinPath(file)));
        const QString look = QStringList{sheet.rules.value(QStringLiteral("QWidget")).value(QStringLiteral("background-color")),
                                         sheet.rules.value(QStringLiteral("QWidget")).value(QStringLiteral("color")),
                                         sheet.rules.value(QStringLiteral("QPushButton")).value(QStringLiteral("background-color"))}
                                 .join(u'|')
                                 .toLower();
        QVERIFY2(!looks.contains(look), qPrintable(file + QStringLiteral(" looks like ") + looks.value(look)));
        looks.insert(look, file);
    }
}

void TestSkins::skinsAreReadable()
{
    QFETCH(QString, file);
    const Sheet sheet = parse(Skin::loadStyleSheet(skinPath(file)));
    const QStringList failures = ContrastCheck(sheet).failures();
    QVERIFY2(failures.isEmpty(), qPrintable(file + QStringLiteral(":\n  ") + failures.join(QStringLiteral("\n  "))));
}

void TestSkins::skinsPolishWithoutWarnings()
{
    // Qt's own parser accepts the whole sheet: it warns on a sheet it cannot read.
    QFETCH(QString, file);
    TestEnvironment env; // the working folder holds a copy of every skin
    const Skin::Table& table =
        Skin::standardTable().values().contains(file) ? Skin::standardTable() : Skin::updateTable();
    g_styleWarnings.clear();
    g_previousHandler = qInstallMessageHandler(recordStyleWarnings);
    std::unique_ptr<QWidget> w(sampleWindow());
    QCOMPARE(Skin::apply(w.get(), QString::number(table.key(file)), table), file);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->grab();
    qInstallMessageHandler(g_previousHandler);
    QVERIFY2(g_styleWarnings.isEmpty(), qPrintable(g_styleWarnings.join(u'\n')));
}

void TestSkins::themeNumbers_data()
{
    QTest::addColumn<QString>("th");
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("update");
    QTest::newRow("3") << "3" << 3 << 3;
    QTest::newRow("3.0") << "3.0" << 3 << 3;
    QTest::newRow("3.5") << "3.5" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("abc") << "abc" << 0 << 0;
    QTest::newRow("0") << "0" << 0 << 0;
    QTest::newRow("leading blanks") << "  5" << 5 << 5;
    QTest::newRow("number then text") << "4x" << 4 << 4;
    QTest::newRow("negative") << "-3" << 0 << 0;
    QTest::newRow("1") << "1" << 1 << 1;
    QTest::newRow("11") << "11" << 11 << 11;
    QTest::newRow("12") << "12" << 0 << 12;
    QTest::newRow("13") << "13" << 0 << 13;
    QTest::newRow("13.0") << "13.0" << 0 << 13;
    QTest::newRow("14") << "14" << 0 << 0;
    QTest::newRow("huge") << "99999999999999999999" << 0 << 0;
}

void TestSkins::themeNumbers()
{
    QFETCH(QString, th);
    QFETCH(int, standard);
    QFETCH(int, update);
    QCOMPARE(Skin::themeNumber(th, Skin::standardTable()), standard);
    QCOMPARE(Skin::themeNumber(th, Skin::updateTable()), update);

    // Apply loads exactly the selected skin, and nothing for a number that selects none.
    TestEnvironment env;
    QWidget w;
    w.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
    QCOMPARE(Skin::apply(&w, th, Skin::standardTable()), Skin::standardTable().value(standard));
    QCOMPARE(w.styleSheet().isEmpty(), standard == 0);
    QCOMPARE(Skin::apply(&w, th, Skin::updateTable()), Skin::updateTable().value(update));
    QCOMPARE(w.styleSheet().isEmpty(), update == 0);
}

void TestSkins::tablesDifferOnlyWhereTheyShould()
{
    const Skin::Table& standard = Skin::standardTable();
    const Skin::Table& update = Skin::updateTable();
    QCOMPARE(standard.keys(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QCOMPARE(update.keys(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    QCOMPARE(standard.value(1), QStringLiteral("chizh.skn"));
    QCOMPARE(standard.value(7), QStringLiteral("O-Universe.skn"));
    QCOMPARE(standard.value(11), QStringLiteral("office2007.skn"));
    QCOMPARE(update.value(7), QStringLiteral("TopSecret.skn"));
    QCOMPARE(update.value(12), QStringLiteral("OrionNext.skn"));
    QCOMPARE(update.value(13), QStringLiteral("Retro.skn"));
    for (int n = 1; n <= 11; ++n)
        if (n != 7)
            QCOMPARE(update.value(n), standard.value(n));
}

void TestSkins::damagedSkinLeavesPlainLook_data()
{
    QTest::addColumn<QByteArray>("content"); // empty with "missing" true: no file at all
    QTest::addColumn<bool>("missing");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919 + 13) % 256);
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("binary garbage") << garbage << false;
    QTest::newRow("garbage after the first line") << QByteArray("/* Pelimora skin \"x\" */\n") + garbage << false;
    QTest::newRow("wrong first line") << QByteArray("/* some skin */\nQWidget { color: #000000; }\n") << false;
    QTest::newRow("first line not first") << QByteArray("\n/* Pelimora skin \"x\" */\nQWidget { color: #000000; }\n")
                                          << false;
    QTest::newRow("not UTF-8") << QByteArray("/* Pelimora skin \"x\" */\nQLabel { color: #000000; } /* \xff\xfe */\n")
                               << false;
}

void TestSkins::damagedSkinLeavesPlainLook()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, missing);
    TestEnvironment env; // the working folder holds a copy of every skin
    const QString file = Skin::standardTable().value(2);
    QVERIFY(QFile::remove(file));
    if (!missing) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QCOMPARE(Skin::loadStyleSheet(file), QString());

    QWidget w;
    QCOMPARE(Skin::apply(&w, QStringLiteral("1")), Skin::standardTable().value(1));
    QVERIFY(!w.styleSheet().isEmpty());
    QCOMPARE(Skin::apply(&w, QStringLiteral("2")), QString());
    QCOMPARE(w.styleSheet(), QString());
}

void TestSkins::damagedSkinDoesNotStopTheMainWindow()
{
    TestEnvironment env;
    QFile f(Skin::standardTable().value(1));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray("\x00\x01\x02 not a skin", 15));
    f.close();
    env.setTheme(1);
    Frm1* main = env.showMain();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(main->styleSheet(), QString());
    QCOMPARE(main->property("skinFile").toString(), QString());
}

void TestSkins::mainWindowWearsTheStoredSkin_data()
{
    QTest::addColumn<int>("theme");
    for (int n = 1; n <= 13; ++n)
        QTest::addRow("%d", n) << n;
}

void TestSkins::mainWindowWearsTheStoredSkin()
{
    QFETCH(int, theme);
    TestEnvironment env;
    env.setTheme(theme);
    Frm1* main = env.showMain();
    const QString file = Skin::standardTable().value(theme); // empty for 12 and 13
    QCOMPARE(main->property("skinFile").toString(), file);
    QCOMPARE(main->styleSheet(), file.isEmpty() ? QString() : Skin::loadStyleSheet(skinPath(file)));
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
