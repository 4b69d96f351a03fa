#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <unistd.h>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "qt/qt_host.h"

namespace tolvar::qt {
namespace {

// Counts the paint events the widgets receive, so that opening can be timed until the window has
// actually been drawn.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Any widget of the window: a tool window filled by its scroll area may never paint itself,
    // and one repaint pass paints all its widgets before the loop looks again.
    if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched) != nullptr) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

QtHost& host() {
  static QtHost instance;
  return instance;
}

// Shows the window and runs the event loop until the window has been painted.
ToolWindow* openAndPaint(const std::string& identity) {
  PaintCounter counter;
  qApp->installEventFilter(&counter);
  host().desktop().show(identity);
  ToolWindow* view = host().view(identity);
  while (view != nullptr && counter.paints == 0) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  qApp->removeEventFilter(&counter);
  return view;
}

void closeWindow(const std::string& identity) {
  host().desktop().close(identity);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

// The first opening in a process also parses the window's embedded data; it is kept apart as
// the counter first_open_ms, since it is the opening a user waits for.
void BM_OpenWindow(benchmark::State& state, const std::string& identity) {
  static std::map<std::string, double> firstOpen;
  if (!firstOpen.contains(identity)) {
    QElapsedTimer timer;
    timer.start();
    openAndPaint(identity);
    firstOpen[identity] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    closeWindow(identity);
  }
  state.counters["first_open_ms"] = firstOpen[identity];
  for (auto _ : state) {
    if (openAndPaint(identity) == nullptr) {
      state.SkipWithError("the window did not open");
      return;
    }
    state.PauseTiming();
    closeWindow(identity);
    state.ResumeTiming();
  }
}

double residentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// Resident memory with one window open, and what each further window adds, over 20 windows.
void BM_MemoryOverTwentyWindows(benchmark::State& state) {
  std::vector<std::string> identities = host().desktop().registry().identities();
  if (identities.size() < 20) {
    state.SkipWithError("fewer than 20 windows are registered");
    return;
  }
  identities.resize(20);
  for (auto _ : state) {
    openAndPaint(identities.front());
    double first = residentMegabytes();
    for (std::size_t i = 1; i < identities.size(); ++i) openAndPaint(identities[i]);
    double all = residentMegabytes();
    state.counters["first_window_MB"] = first;
    state.counters["per_further_window_MB"] = (all - first) / 19.0;
    for (const std::string& identity : identities) closeWindow(identity);
  }
}

}  // namespace
}  // namespace tolvar::qt

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  for (const std::string& identity : tolvar::qt::host().desktop().registry().identities()) {
    benchmark::RegisterBenchmark(("open/" + identity).c_str(), tolvar::qt::BM_OpenWindow, identity)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("memory/20_windows", tolvar::qt::BM_MemoryOverTwentyWindows)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
