// The main window's commands and bars: every key of the command list reaches its action from the plot area,
// the graph list and the build-parameters window; the first command listing a key wins; icons;
// double click on the list; the "Вид" toggles hide and show the bars and redraw at the new size.
#include "AppTestBench.h"
#include "CommandList.h"
#include "DocumentHistory.h"
#include "MainBars.h"
#include "TForm4.h"

#include "ColorBox.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWheelEvent>

using orvex::testing::MainWindowBench;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    // Text fields claim Ctrl+Z, Ctrl+X and Ctrl+C for undo, cut and copy; the commands win there too. Only
    // Delete stays with a text field, where it deletes a character.
    void everyKeyReachesItsAction_data() {
        QTest::addColumn<QKeySequence>("key");
        for (const orvex::CommandInfo& command : orvex::CommandList())
            if (command.key.key() != Qt::Key_unknown && command.name != "CopyToClipboard")
                // where the keyboard focus is: the theme box's text, a limit field
                for (const char* focus : {"Image1", "CLBox1", "TBXTW", "ComboBox1", "Exmin"})
                    QTest::addRow("%s in %s", command.name.data(), focus) << QKeySequence(command.key);
    }
    void everyKeyReachesItsAction() {
        QFETCH(QKeySequence, key);
        MainWindowBench bench;
        // Undo and Redo answer only while there is a step to take back and one to take again.
        orvex::DocumentHistory& history = bench.form().history();
        for (const char* formula : {"x", "x^2"}) {
            QVERIFY(bench.form().document().append(orvex::TGraphEntry{formula}, formula));
            history.commit();
        }
        QVERIFY(history.undo());
        // Only the routing is under test: the commands themselves stay quiet, and the redraw that showing
        // a panel asks for (Change, which has no key) is left out.
        QStringList triggered;
        for (QAction* a : bench.form().actions().actions()) {
            if (a->objectName() == "Change")
                continue;
            QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
            QObject::connect(a, &QAction::triggered, a, [&triggered, a] { triggered << a->objectName(); });
        }
        const QString action = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
        const QString focus = QString::fromLatin1(QTest::currentDataTag()).section(' ', -1);
        QWidget* target = focus == "Image1"      ? static_cast<QWidget*>(&bench.image())
                          : focus == "CLBox1"    ? bench.form().graphList()
                          : focus == "ComboBox1" ? bench.form().themeSelector()->lineEdit()
                          : focus == "Exmin"     ? bench.params().exmin()
                                                 : static_cast<QWidget*>(&bench.params());
        QApplication::setActiveWindow(target->window());
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
        target->setFocus();
        QTest::keySequence(target, key);
        const bool textField = qobject_cast<QLineEdit*>(target) != nullptr;
        QCOMPARE(triggered, textField && action == "RemoveGr" ? QStringList() : QStringList{action});
    }

    // Picking a theme from the list hands the keyboard back to the plot area, where the keys keep working.
    void themePickReturnsFocus() {
        MainWindowBench bench;
        QComboBox* themes = bench.form().themeSelector();
        QApplication::setActiveWindow(&bench.form());
        QVERIFY(QTest::qWaitForWindowActive(&bench.form()));
        bench.form().resize(1600, 800); // wide enough for the theme box to show in its toolbar
        QTRY_VERIFY(themes->isVisible());
        themes->setFocus();
        QTRY_VERIFY(themes->hasFocus());
        QTest::keyClick(themes, Qt::Key_Down);
        QCOMPARE(themes->currentText(), QStringLiteral("OfficeXP"));
        QTRY_VERIFY(bench.image().hasFocus());
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        bench.waitForPicture();
        QCOMPARE(bench.limits(), QStringLiteral("-6 4 -5 5"));
    }

    // The wheel over the theme box moves the view as over the rest of the main window; the colour boxes
    // change only while they have the focus.
    void wheelOverBoxes() {
        MainWindowBench bench;
        const auto turn = [](QWidget* target) {
            const QPointF at(target->width() / 2.0, target->height() / 2.0);
            QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &event);
        };
        QComboBox* themes = bench.form().themeSelector();
        turn(themes);
        bench.waitForPicture();
        QCOMPARE(themes->currentText(), QStringLiteral("Default"));
        QCOMPARE(bench.limits(), QStringLiteral("-4 6 -5 5"));
        orvex::ColorBox* grid = bench.params().colB1();
        const std::uint32_t silver = grid->selectedValue();
        turn(grid);
        QCOMPARE(grid->selectedValue(), silver);
        QApplication::setActiveWindow(&bench.params());
        QVERIFY(QTest::qWaitForWindowActive(&bench.params()));
        grid->setFocus();
        turn(grid);
        QVERIFY(grid->selectedValue() != silver);
    }

    // The status bar's hint panel takes the width the coordinates leave, so the whole hint can be read.
    void hintPanelTakesFreeWidth() {
        MainWindowBench bench;
        bench.form().resize(1280, 800);
        QTest::mouseMove(&bench.image(), QPoint(40, 40));
        QTest::mouseMove(&bench.image(), QPoint(41, 41));
        auto* hint = bench.form().findChild<QLabel*>(QStringLiteral("Panel0"));
        auto* readout = bench.form().findChild<QLabel*>(QStringLiteral("Panel1"));
        QVERIFY(hint && readout);
        QTRY_VERIFY(hint->text().contains(QStringLiteral("(Ctrl, Shift - по осям)")));
        QTRY_VERIFY(hint->width() >= hint->fontMetrics().horizontalAdvance(hint->text()));
        QVERIFY(readout->width() >= 100 &&
                readout->width() >= readout->fontMetrics().horizontalAdvance(readout->text()));
    }

    // Qt never sees one key on two actions; every action has an icon of its own.
    void sharedKeyAndIcons() {
        MainWindowBench bench;
        QAction* copy = bench.form().actions()["CopyToClipboard"];
        QCOMPARE(bench.form().actions()["MoveRight"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QVERIFY(copy->shortcut().isEmpty());
        // The menu entry still shows the key.
        QCOMPARE(copy->text(), QStringLiteral("Копировать изображение в буфер обмена\tCtrl+C"));
        QStringList keys;
        QList<QImage> icons;
        for (QAction* a : bench.form().actions().actions()) {
            for (const QKeySequence& key : a->shortcuts())
                keys << key.toString();
            icons.append(a->icon().pixmap(24, 24).toImage());
            QVERIFY2(!icons.back().isNull() && icons.count(icons.back()) == 1, qPrintable(a->objectName()));
        }
        QCOMPARE(keys.removeDuplicates(), 0);
        QCOMPARE(keys.size(), 29); // 32 commands; Change and Smoothing have no key, Ctrl+C is given once
        QCOMPARE(icons.size(), 32);
    }

    // Alt with the underlined letter opens each menu; the titles read as before.
    void menusOpenWithAltLetter_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("letter");
        QTest::newRow("Файл") << "FileMenu" << 0x0424;        // Ф
        QTest::newRow("Вид") << "ViewMenu" << 0x0412;         // В
        QTest::newRow("Построение") << "BuildMenu" << 0x041F; // П
        QTest::newRow("Помощь") << "HelpMenu" << 0x041E;      // О
    }
    void menusOpenWithAltLetter() {
        QFETCH(QString, menu);
        QFETCH(int, letter);
        MainWindowBench bench;
        auto* popup = bench.form().findChild<QMenu*>(menu);
        QVERIFY(popup);
        QCOMPARE(popup->title().remove('&'), QString::fromUtf8(QTest::currentDataTag()));
        bench.image().setFocus();
        const QString text(QChar(letter).toLower());
        for (QTest::KeyAction action : {QTest::Press, QTest::Release})
            QTest::sendKeyEvent(action, &bench.image(), Qt::Key(letter), text, Qt::AltModifier);
        QTRY_VERIFY(popup->isVisible());
        popup->close();
    }

    // Each item shows its graph's colour; the home page has a web icon, not a house.
    void colourSwatchesAndIcons() {
        MainWindowBench bench;
        orvex::GraphDocument& document = bench.form().document();
        const auto swatch = [&document](int row) {
            const QImage image = document.list()->item(row)->icon().pixmap(12, 12).toImage();
            return image.pixelColor(image.width() / 2, image.height() / 2);
        };
        QVERIFY(document.append(orvex::TGraphEntry{"x", 0x0000FF}, QStringLiteral("x")));
        QVERIFY(document.append(orvex::TGraphEntry{"-x", 0xFFFFFF}, QStringLiteral("-x")));
        QCOMPARE(swatch(0), QColor(Qt::red));
        QCOMPARE(swatch(1), QColor(Qt::white));
        document.replace(0, orvex::TGraphEntry{"x", 0x00FF00});
        QCOMPARE(swatch(0), QColor(Qt::green));
        const QImage web = bench.form().actions()["BrowseURL1"]->icon().pixmap(24, 24).toImage();
        QCOMPARE(web, QIcon(QStringLiteral(":/icons/web.png")).pixmap(24, 24).toImage());
    }

    void doubleClickEditsTheGraph() {
        MainWindowBench bench;
        QVERIFY(bench.form().document().append(orvex::TGraphEntry{"x"}, QStringLiteral("x")));
        QListWidget* list = bench.form().graphList();
        const QPoint item = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
        QVERIFY(bench.form().graphCommands().editor()->isVisible());
        QCOMPARE(bench.form().graphCommands().editor()->windowTitle(), QStringLiteral("Изменить график"));
        QVERIFY(!bench.form().isEnabled() && !bench.params().isEnabled());
    }

    void togglesHideShowAndRedraw_data() {
        QTest::addColumn<QString>("element");
        QTest::newRow("Главное меню") << "MainMenuBar";
        QTest::newRow("Список графиков") << "TBXDockablePanel1";
        QTest::newRow("Параметры построения") << "TBXTW";
        QTest::newRow("Файл") << "FileToolBar";
        QTest::newRow("Основные функции") << "MainToolBar";
        QTest::newRow("Масштабирование") << "ZoomToolBar";
        QTest::newRow("Помощь") << "HelpToolBar";
    }
    void togglesHideShowAndRedraw() {
        QFETCH(QString, element);
        MainWindowBench bench;
        QWidget* target = element == "TBXTW" ? &bench.params() : bench.form().findChild<QWidget*>(element);
        QAction* toggle = nullptr;
        for (QAction* a : bench.form().bars().viewToggles())
            toggle = a && a->text() == QString::fromUtf8(QTest::currentDataTag()) ? a : toggle;
        QVERIFY(target && toggle && toggle->isChecked());
        // The same toggle stands in "Вид" and in the top dock's context menu.
        std::unique_ptr<QMenu> popup(bench.form().createPopupMenu());
        QVERIFY(popup->actions().contains(toggle));
        QVERIFY(bench.form().findChild<QMenu*>(QStringLiteral("ViewMenu"))->actions().contains(toggle));

        QSignalSpy redrawn(&bench.form().view(), &orvex::ViewController::redrawn);
        for (bool shown : {false, true}) {
            toggle->trigger();
            QCOMPARE(target->isVisible(), shown);
            QCOMPARE(toggle->isChecked(), shown);
            QTRY_VERIFY(redrawn.count() >= 1); // at the plot area's new size
            QTRY_COMPARE(bench.form().view().shownPicture().size(), bench.image().size());
            redrawn.clear();
        }
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
