#pragma once

#include "CurveGeometry.h"
#include "Renderer.h"
#include "SampleMemory.h"

#include "LatestTask.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace orvex {

// What a redraw draws off the GUI thread: the curves over a picture that already holds the background,
// the frame, the grid and the labels. Everything in it is the redraw's own copy.
struct RedrawJob {
    std::uint64_t generation = 0;
    QImage picture;
    ViewLimits limits;
    std::vector<PlotCurve> curves;
    SampleMemory* memory = nullptr; // outcomes of earlier redraws; outlives the runner
    bool smooth = false;            // curves antialiased
};

struct RedrawResult {
    std::uint64_t generation = 0;
    QImage picture;         // complete, or as far as the drawing got before an error
    bool cancelled = false; // a newer redraw took over: nothing to show
    QString error;          // the error that ended the drawing; empty when the picture is complete
};

// Draws the curves of one redraw at a time on a thread of its own (the graphs themselves are sampled on
// the sampling pool). Starting a job cancels the one in progress; results arrive on the GUI thread
// through `finished`, one per job, cancelled ones included.
class RedrawRunner : public QObject {
    Q_OBJECT
  public:
    explicit RedrawRunner(QObject* parent = nullptr) : QObject(parent) {}

    void start(RedrawJob job);
    void cancel() { task_.cancel(); }

  signals:
    void finished(const orvex::RedrawResult& result);

  private:
    LatestTask task_; // last: stopped and waited for before anything else goes
};

} // namespace orvex
