// Opening a non-modal dialog: the blocked windows are enabled again when filling the dialog fails, and the
// error reaches the caller.
#include "NonModalDialog.h"
#include "DialogTestSupport.h"

#include <stdexcept>

class NonModalDialogTest : public QObject, DialogBench<orvex::NonModalDialog> {
    Q_OBJECT

  private slots:
    void init() { renew(); }

    void failedFillingLeavesTheWindowsEnabled() {
        bool filled = false;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, dlg_->openOver([&] {
            QCOMPARE(enabledWindows(), 0); // filling runs over the disabled windows
            filled = true;
            throw std::runtime_error("unreadable");
        }));
        QVERIFY(filled && !dlg_->isVisible());
        QCOMPARE(enabledWindows(), 2);
        checkClosing([this] { dlg_->openOver([] {}); }, {"close"}); // the next opening works as usual
    }
};

QTEST_MAIN(NonModalDialogTest)
#include "NonModalDialogTest.moc"
