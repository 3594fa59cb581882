#include "TransferWorker.h"

#include "i18n/UiText.h"

namespace caldo {

namespace {

// Turns the download's front-end calls into signals of the worker.
class SignalBridge : public ProgressView, public balsar::MessageSink {
public:
    explicit SignalBridge(TransferWorker& worker) : m_worker(worker) {}
    void SetCaption(const std::string& c) override {
        emit m_worker.captionChanged(balsar::i18n::UiMessage(c));
    }
    void SetRange(int lower, int upper) override { emit m_worker.rangeChanged(lower, upper); }
    void SetPos(int position) override { emit m_worker.positionChanged(position); }
    void StepIt() override { emit m_worker.stepped(); }
    void Repaint() override { emit m_worker.repaintRequested(); }
    void ShowPanel(const PanelInfo& panel) override {
        emit m_worker.panelIdentified(panel.model, panel.guiVersion, panel.emulated);
    }
    void Message(const std::string& text, balsar::MessageKind kind, const std::string&) override {
        emit m_worker.messageRaised(balsar::i18n::UiMessage(text), static_cast<int>(kind));
    }

private:
    TransferWorker& m_worker;
};

} // namespace

void TransferWorker::run() {
    SignalBridge bridge(*this);
    SteadyClock clock;
    CDownloader downloader(m_options, bridge, bridge, clock, m_factory ? m_factory : LinkFactory(CreateLink));
    m_succeeded = downloader.RunDownload();
    emit runFinished(m_succeeded);
}

} // namespace caldo
