#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/settings.h"
#include "mainwindow/optiondlg.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QSignalSpy>
#include <functional>
#include <unistd.h>

namespace {

// One widget and the option it edits: what to change, where it lands, how it shows again.
struct Pair {
    const char* name;
    std::function<void(OptionDlg&)> change;
    std::function<QVariant(const Settings&)> option;
    QVariant stored;
    std::function<QVariant(const OptionDlg&)> shown;
    QVariant shownAgain;
};

QVariant flagOf(const Settings& s, int bit)
{
    return bool(s.flags & bit);
}

QList<Pair> pairs(const QString& otherDir)
{
    const QString family = QFontComboBox().itemText(1);
    const int year = QDate::currentDate().year() - 20;
    QList<Pair> list = {
        {"DefaultPathEdit", [=](OptionDlg& d) { d.DefaultPathEdit->setText(otherDir); },
         [](const Settings& s) { return s.workDir; }, otherDir,
         [](const OptionDlg& d) { return d.DefaultPathEdit->text(); }, otherDir},
        {"ArchPathEdit", [=](OptionDlg& d) { d.ArchPathEdit->setText(otherDir); },
         [](const Settings& s) { return s.archiveDir; }, otherDir,
         [](const OptionDlg& d) { return d.ArchPathEdit->text(); }, otherDir},
        {"CodeFileEdit", [](OptionDlg& d) { d.CodeFileEdit->setText("pontok.kod"); },
         [](const Settings& s) { return s.codeFile; }, "pontok.kod",
         [](const OptionDlg& d) { return d.CodeFileEdit->text(); }, "pontok.kod"},
        {"FontTypeCombo", [](OptionDlg& d) { d.FontTypeCombo->setCurrentIndex(1); },
         [](const Settings& s) { return s.fontFace; }, family,
         [](const OptionDlg& d) { return d.FontTypeCombo->currentIndex(); }, 1},
        {"FontSizeCombo", [](OptionDlg& d) { d.FontSizeCombo->setCurrentIndex(15); },
         [](const Settings& s) { return s.fontSize; }, 20,
         [](const OptionDlg& d) { return d.FontSizeCombo->currentText(); }, "20 pt"},
        {"FirstDateEdit", [=](OptionDlg& d) { d.FirstDateEdit->setDate(QDate(year, 6, 1)); },
         [](const Settings& s) { return s.century; }, year,
         [](const OptionDlg& d) { return d.FirstDateEdit->date(); }, QDate(year, 1, 1)},
        {"AutoClockSetEdit", [](OptionDlg& d) { d.AutoClockSetEdit->setTime(QTime(23, 59)); },
         [](const Settings& s) { return s.clockAdjustLimit; }, QTime(23, 59),
         [](const OptionDlg& d) { return d.AutoClockSetEdit->text(); }, "23:59"},
        {"BackToBackTimeEdit", [](OptionDlg& d) { d.BackToBackTimeEdit->setTime(QTime(0, 1)); },
         [](const Settings& s) { return s.followTime; }, QTime(0, 1),
         [](const OptionDlg& d) { return d.BackToBackTimeEdit->text(); }, "0:01"},
        {"ReportBeforeSpin", [](OptionDlg& d) { d.ReportBeforeSpin->setValue(31); },
         [](const Settings& s) { return s.prependDays; }, 31,
         [](const OptionDlg& d) { return d.ReportBeforeSpin->value(); }, 31},
        {"ReportDetailCombo", [](OptionDlg& d) { d.ReportDetailCombo->setCurrentIndex(2); },
         [](const Settings& s) { return s.flags & OptReportDetailMask; }, 2,
         [](const OptionDlg& d) { return d.ReportDetailCombo->currentText(); }, "részletes"},
        {"languageCombo", [](OptionDlg& d) { d.languageCombo->setCurrentIndex(2); },
         [](const Settings& s) { return s.flags & OptLanguageMask; }, int(OptLanguageGerman),
         [](const OptionDlg& d) { return d.languageCombo->currentText(); }, "Német"},
    };
    // The check boxes: those set by default are cleared, the others set.
    const struct {
        const char* name;
        int bit;
    } checks[] = {{"AutoClockSetCheck", OptAutoClockSet},         {"BackToBackCheck", OptBackToBack},
                  {"BackToBackSpecialCheck", OptBackToBackSpecial}, {"ColorHighlightlCheck", OptColorHighlight},
                  {"PointCodeCheck", OptPointCode},               {"AlternateBackCheck", OptAlternateBack},
                  {"showManualDuplexCheck", OptShowManualDuplex}, {"disableTooltipCheck", OptDisableTooltip}};
    for (const auto& c : checks) {
        const QString name = QString::fromLatin1(c.name);
        const bool on = !(125 & c.bit);
        const int bit = c.bit;
        list.append({c.name, [=](OptionDlg& d) { d.findChild<QCheckBox*>(name)->setChecked(on); },
                     [=](const Settings& s) { return flagOf(s, bit); }, on,
                     [=](const OptionDlg& d) { return d.findChild<QCheckBox*>(name)->isChecked(); }, on});
    }
    return list;
}

// Every option as one list, so "nothing else changed" is one comparison.
QVariantList snapshot(const Settings& s)
{
    return {s.workDir, s.archiveDir,  s.codeFile, s.fontFace,         s.fontSize,
            s.century, s.prependDays, s.flags,    s.clockAdjustLimit, s.followTime};
}

KodNev entry(const QString& code, const QString& name)
{
    KodNev k;
    k.set(code, name, QDate(2024, 1, 1), Qt::white, Qt::black);
    return k;
}

void writeCodeFile(const QString& path, const QList<KodNev>& entries)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(KodNevFile::write(f, entries));
}

QStringList namesIn(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {"<missing>"};
    QStringList names;
    for (const KodNev& k : KodNevFile::read(f).records)
        names << k.datedName.name;
    return names;
}

// Loads the shared list from this file and leaves it saved (unmodified).
void useCodeFile(const QString& path, const QList<KodNev>& entries)
{
    writeCodeFile(path, entries);
    appSettings().codeFile = path;
    KodNevModel* model = appSettings().kodNevModel;
    QVERIFY(model->load(nullptr));
    QVERIFY(model->save());
    QVERIFY(!model->isModified());
}

} // namespace

class TestOptionDlg : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAreShown()
    {
        TestEnv env;
        OptionDlg d;
        QCOMPARE(d.FontSizeCombo->currentText(), QStringLiteral("10 pt"));
        QCOMPARE(d.FirstDateEdit->date(), QDate(2000, 1, 1));
        QCOMPARE(d.AutoClockSetEdit->text(), QStringLiteral("0:05"));
        QCOMPARE(d.BackToBackTimeEdit->text(), QStringLiteral("1:00"));
        QCOMPARE(d.ReportBeforeSpin->value(), 7);
        QCOMPARE(d.ReportDetailCombo->currentText(), QStringLiteral("normál"));
        QCOMPARE(d.languageCombo->currentText(), QStringLiteral("Automatikus"));
        QCOMPARE(d.CodeFileEdit->text(), QStringLiteral("kodlista.kod"));
        QCOMPARE(d.DefaultPathEdit->text(), env.workDir());
        QCOMPARE(d.ToolBox->currentWidget(), d.displayPage);
        QCOMPARE(d.languageIndex, 0);
    }

    void everyWidgetRoundTrips_data()
    {
        QTest::addColumn<int>("row");
        const QList<Pair> list = pairs(QString());
        for (int i = 0; i < list.size(); ++i)
            QTest::newRow(list.at(i).name) << i;
    }

    void everyWidgetRoundTrips()
    {
        QFETCH(int, row);
        TestEnv env;
        const QString other = env.root() + QStringLiteral("/other");
        QVERIFY(QDir().mkpath(other));
        const Pair p = pairs(other).at(row);
        Settings& s = appSettings();
        s.flags |= 0x4000 | 0x10000; // meaningless bits stay as they are
        s.save();
        const QVariant before = p.option(s);

        OptionDlg d;
        p.change(d);
        QVERIFY(d.apply());
        QCOMPARE(p.option(s), p.stored);
        QVERIFY(p.option(s) != before);
        QCOMPARE(s.flags & ~0x3FFF, 0x14000);

        // Through the store and back into a fresh dialog.
        const QVariantList applied = snapshot(s);
        s.resetDefaults();
        s.load();
        QCOMPARE(snapshot(s), applied);
        OptionDlg again;
        QCOMPARE(p.shown(again), p.shownAgain);
    }

    void okApplyAndCancel()
    {
        TestEnv env;
        Settings& s = appSettings();
        const QVariantList stored = snapshot(s);
        QSignalSpy changed(&s, &Settings::optionsChanged);
        {
            OptionDlg d;
            d.show();
            d.ReportBeforeSpin->setValue(3);
            QTest::mouseClick(d.cancelButton, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(snapshot(s), stored);
            QCOMPARE(changed.count(), 0);
        }
        {
            OptionDlg d;
            d.show();
            d.ReportBeforeSpin->setValue(3);
            QTest::mouseClick(d.applyButton, Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(s.prependDays, 3);
            QCOMPARE(changed.count(), 1);
            d.ReportBeforeSpin->setValue(4);
            QTest::keyClick(&d, Qt::Key_Escape); // Cancel keeps what Apply stored
            QVERIFY(!d.isVisible());
            QCOMPARE(s.prependDays, 3);
        }
        {
            OptionDlg d;
            d.show();
            d.ReportBeforeSpin->setValue(5);
            QTest::mouseClick(d.okButton, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(s.prependDays, 5);
            QCOMPARE(changed.count(), 2);
        }
    }

    void languageChangeSignalledOncePerChange()
    {
        TestEnv env;
        OptionDlg d;
        d.show();
        QSignalSpy spy(&d, &OptionDlg::languageChanged);
        d.languageCombo->setCurrentText(QStringLiteral("Angol"));
        QTest::mouseClick(d.applyButton, Qt::LeftButton);
        QCOMPARE(appSettings().flags & OptLanguageMask, 0xC00);
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(d.applyButton, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        d.languageCombo->setCurrentText(QStringLiteral("Automatikus"));
        QTest::mouseClick(d.okButton, Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(appSettings().flags & OptLanguageMask, 0);
    }

    void valuesOutsideTheWidgetsRanges()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.fontSize = 21;
        s.century = 1900;
        s.flags = (s.flags & ~OptLanguageMask) | (7 << 10); // no item for it
        OptionDlg d;
        QCOMPARE(d.FontSizeCombo->currentIndex(), -1);
        QCOMPARE(d.languageCombo->currentIndex(), -1);
        const int earliest = QDate::currentDate().addYears(-99).year();
        QCOMPARE(d.FirstDateEdit->date().year(), earliest);
        QVERIFY(d.apply());
        QCOMPARE(s.fontSize, 10);
        QCOMPARE(s.century, earliest);
        QCOMPARE(s.flags & OptLanguageMask, 7 << 10);
    }

    void faceNotInstalledShowsTheFaceInUse_data()
    {
        QTest::addColumn<QString>("face");
        QTest::newRow("unknown") << QStringLiteral("Nincs Ilyen Betűtípus");
        QTest::newRow("default") << defaultFontFace;
        const QFontComboBox installed;
        for (int i = 0; i < installed.count(); ++i) {
            if (installed.itemText(i).toLower() != installed.itemText(i)) {
                QTest::newRow("other case") << installed.itemText(i).toLower();
                break;
            }
        }
    }

    // The box shows the face the documents are drawn in, and OK stores that face.
    void faceNotInstalledShowsTheFaceInUse()
    {
        QFETCH(QString, face);
        TestEnv env;
        Settings& s = appSettings();
        s.fontFace = face;
        OptionDlg d;
        QVERIFY(d.FontTypeCombo->findText(face, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0);
        const QString used = QFontInfo(QFont(face, s.fontSize)).family();
        QCOMPARE(d.FontTypeCombo->currentText(), used);
        QVERIFY(d.apply());
        QCOMPARE(s.fontFace, used);
        QCOMPARE(OptionDlg().FontTypeCombo->currentText(), used);
    }

    void unusableDirectoryKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing work") << "DefaultPathEdit" << "nincs" << "A munka könyvtár nem létezik";
        QTest::newRow("work is a file") << "DefaultPathEdit" << "fajl" << "A munka könyvtár nem létezik";
        QTest::newRow("missing archive") << "ArchPathEdit" << "nincs" << "Az archiválási könyvtár nem létezik";
        QTest::newRow("no code file") << "CodeFileEdit" << "" << "A kód-név fájl neve hiányzik";
        QTest::newRow("code file is a dir") << "CodeFileEdit" << "konyvtar" << "A kód-név fájl neve hiányzik";
    }

    void unusableDirectoryKeepsTheDialogOpen()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestEnv env;
        QFile(env.path("fajl")).open(QIODevice::WriteOnly);
        QVERIFY(QDir(env.workDir()).mkdir("konyvtar"));
        const QVariantList stored = snapshot(appSettings());
        OptionDlg d;
        d.show();
        d.ReportBeforeSpin->setValue(1);
        d.findChild<QLineEdit*>(field)->setText(value.isEmpty() ? value : env.path(value));
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, message);
            QTest::mouseClick(d.okButton, Qt::LeftButton);
        }
        QVERIFY(d.isVisible());
        QCOMPARE(d.ToolBox->currentWidget(), d.pathsPage);
        QCOMPARE(snapshot(appSettings()), stored);
    }

    void unwritableWorkDirectoryIsRefused()
    {
        if (geteuid() == 0)
            QSKIP("root writes everywhere");
        TestEnv env;
        const QString locked = env.path("zart");
        QVERIFY(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        OptionDlg d;
        d.DefaultPathEdit->setText(locked);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A munka könyvtár nem írható");
        QVERIFY(!d.apply());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void codeNameListFollowsTheNewFile()
    {
        TestEnv env;
        useCodeFile(env.path("regi.kod"), {entry("A", "régi")});
        writeCodeFile(env.path("uj.kod"), {entry("B", "új egy"), entry("C", "új kettő")});
        OptionDlg d;
        d.CodeFileEdit->setText("uj.kod");
        QVERIFY(d.apply());
        KodNevModel* model = appSettings().kodNevModel;
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->entryAt(1).datedName.name, QStringLiteral("új kettő"));
    }

    // Unsaved code-name edits reach their own file before the list is read again.
    void unsavedCodeNameEditsAreSavedFirst()
    {
        TestEnv env;
        useCodeFile(env.path("regi.kod"), {entry("A", "régi")});
        writeCodeFile(env.path("uj.kod"), {entry("B", "új")});
        KodNevModel* model = appSettings().kodNevModel;
        QVERIFY(model->addEntry(entry("D", "felvett"), false));
        OptionDlg d;
        d.CodeFileEdit->setText(env.path("uj.kod"));
        QVERIFY(d.apply());
        QCOMPARE(namesIn(env.path("regi.kod")), QStringList({"régi", "felvett"}));
        QCOMPARE(model->entryAt(0).datedName.name, QStringLiteral("új"));
    }

    void unsavableCodeNameEditsNeedConsent()
    {
        TestEnv env;
        const QString dir = env.root() + QStringLiteral("/eltunik");
        QVERIFY(QDir().mkpath(dir));
        useCodeFile(dir + QStringLiteral("/lista.kod"), {entry("A", "régi")});
        KodNevModel* model = appSettings().kodNevModel;
        QVERIFY(model->addEntry(entry("D", "felvett"), false));
        QVERIFY(QDir(dir).removeRecursively()); // the save cannot succeed now
        const QVariantList stored = snapshot(appSettings());

        OptionDlg d;
        d.show();
        d.ReportBeforeSpin->setValue(1);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!")
                .expectQuestion("A kód-név lista módosításait nem sikerült menteni", false);
            QTest::mouseClick(d.okButton, Qt::LeftButton);
        }
        QVERIFY(d.isVisible());
        QCOMPARE(snapshot(appSettings()), stored);
        QCOMPARE(model->rowCount(), 2); // the edit is still there

        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!")
                .expectQuestion("A kód-név lista módosításait nem sikerült menteni", true);
            QTest::mouseClick(d.okButton, Qt::LeftButton);
        }
        QVERIFY(!d.isVisible());
        QCOMPARE(appSettings().prependDays, 1);
    }

    void languageChangeRereadsTheStoredOptions()
    {
        TestEnv env;
        OptionDlg d;
        d.ReportBeforeSpin->setValue(20); // not applied: lost
        d.languageCombo->setCurrentIndex(3);
        appSettings().flags = (appSettings().flags & ~OptLanguageMask) | OptLanguageGerman;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&d, &change);
        QCOMPARE(d.ReportBeforeSpin->value(), 7);
        QCOMPARE(d.languageCombo->currentText(), QStringLiteral("Német"));
        QCOMPARE(d.languageIndex, 2);
    }

    void browseButtonsFillTheirRow()
    {
        TestEnv env;
        OptionDlg d;
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::Directory, "/valahol/munka")
            .expectFile(Prompts::Kind::Directory, QString()) // cancelled: unchanged
            .expectFile(Prompts::Kind::OpenFile, "/valahol/lista.kod");
        QTest::mouseClick(d.DefaultPathButton, Qt::LeftButton);
        QTest::mouseClick(d.ArchPathButton, Qt::LeftButton);
        QTest::mouseClick(d.CodeFileButton, Qt::LeftButton);
        QCOMPARE(d.DefaultPathEdit->text(), QStringLiteral("/valahol/munka"));
        QCOMPARE(d.ArchPathEdit->text(), QString());
        QCOMPARE(d.CodeFileEdit->text(), QStringLiteral("/valahol/lista.kod"));
        QCOMPARE(prompts.seen().at(2).filter, QStringLiteral("Kód-név fájlok (*.kod)"));
        QCOMPARE(prompts.seen().at(1).title, QString());
        QCOMPARE(prompts.seen().at(1).text, QStringLiteral("Archiválási könyvtár kiválasztása"));
    }
};

WYX_TEST_MAIN(TestOptionDlg)
#include "tst_optiondlg.moc"
