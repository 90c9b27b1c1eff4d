// Qt's own texts (standard buttons, the context menu of a text field) come out in Russian once the
// translation is installed, whatever the system's language.
#include "QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

class QtTranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void standardTextsAreRussian() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
            QSKIP("Qt's Russian translation (qt6-translations-l10n) is not installed");
        QLocale::setDefault(QLocale(QLocale::English)); // the program's language, not the system's, decides
        orvex::InstallQtTranslations(*qApp);
        const QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("Отмена"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QString("Сохранить"));
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().remove('&').section('\t', 0, 0);
        QCOMPARE(entries.first(), QString("Отменить действие"));
        QVERIFY2(entries.contains("Вставить"), qPrintable(entries.join(", ")));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
