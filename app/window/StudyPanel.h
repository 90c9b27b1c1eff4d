#pragma once

#include "FunctionStudy.h"
#include "LatestTask.h"
#include "PlotArea.h"

#include <QDockWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace orvex {

class GraphDocument;
class ViewController;

// The dockable panel "Исследование функции": the whole study of the graph chosen in the graph list, in
// the order it is taught (domain, parity, axes, sign, f' and monotonicity, f'' and convexity, asymptotes,
// range), over the x range of the picture on screen or over a range typed in the panel. It studies again
// after every redraw and every choice in the list, off the GUI thread, only while it is shown; a newer
// study cancels an older one. The points it finds are ringed on the plot area and the vertical asymptotes
// drawn as dashed lines, over the picture and never in it. "Копировать" puts the whole study on the
// clipboard as text.
class StudyPanel : public QDockWidget {
    Q_OBJECT
  public:
    StudyPanel(GraphDocument* document, ViewController* view, PlotArea* plotArea, QWidget* parent);
    ~StudyPanel() override;

    [[nodiscard]] QTextBrowser* text() const noexcept { return text_; }
    [[nodiscard]] QLabel* note() const noexcept { return note_; }
    [[nodiscard]] QCheckBox* ownRange() const noexcept { return ownRange_; }
    [[nodiscard]] QLineEdit* rangeFrom() const noexcept { return from_; }
    [[nodiscard]] QLineEdit* rangeTo() const noexcept { return to_; }
    [[nodiscard]] QPushButton* copyButton() const noexcept { return copy_; }
    [[nodiscard]] bool isStudying() const noexcept { return studying_; }
    // The study on show as plain text, as "Копировать" copies it (empty when there is none).
    [[nodiscard]] QString plainText() const;
    // Processes events until the study in progress has ended (or `timeoutMs` passed). For tests.
    void waitForStudy(int timeoutMs = 60000);

    // Studies the chosen graph again (nothing while hidden).
    void refresh();

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void start(const std::string& formula, const AnalysisRange& range);
    void showStudy(std::uint64_t generation, const FunctionStudy& study);
    void showNote(const QString& text);
    void updateMarkers();
    void copyStudy();
    // The range typed in the panel; false, with a note, when it is not one.
    bool typedRange(AnalysisRange& range);

    GraphDocument* document_;
    ViewController* view_;
    PlotArea* plotArea_;
    QCheckBox* ownRange_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLabel* note_;
    QTextBrowser* text_;
    QPushButton* copy_;
    std::uint64_t generation_ = 0;
    bool studying_ = false;
    int graph_ = -1;  // the graph studied
    QString formula_; // its list item's text and colour, as they were when the study started
    QColor colour_;
    bool shown_ = false; // a study is on show
    FunctionStudy study_;
    LatestTask task_; // last: stopped and waited for before anything else goes
};

} // namespace orvex
