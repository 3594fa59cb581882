#include "TransferWorker.h"

namespace caldo {

namespace {

// Turns the download's front-end calls into signals of the worker.
class SignalBridge : public ProgressView, public MessageSink {
public:
    explicit SignalBridge(TransferWorker& worker) : worker_(worker) {}
    void SetCaption(const std::string& c) override { emit worker_.captionChanged(QString::fromStdString(c)); }
    void SetRange(int lower, int upper) override { emit worker_.rangeChanged(lower, upper); }
    void SetPos(int position) override { emit worker_.positionChanged(position); }
    void StepIt() override { emit worker_.stepped(); }
    void Repaint() override { emit worker_.repaintRequested(); }
    void ShowError(const std::string& text) override { emit worker_.errorRaised(QString::fromStdString(text)); }

private:
    TransferWorker& worker_;
};

} // namespace

void TransferWorker::run() {
    SignalBridge bridge(*this);
    SteadyClock clock;
    CDownloader downloader(options_, bridge, bridge, clock, factory_ ? factory_ : LinkFactory(CreateLink));
    succeeded_ = downloader.RunDownload();
    emit runFinished(succeeded_);
}

} // namespace caldo
