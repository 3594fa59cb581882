// The worker thread of one download run. It reports to the dialog only through
// signals; the dialog's widgets are never touched from here.
#pragma once

#include <QThread>

#include "transfer/Downloader.h"

namespace caldo {

class TransferWorker : public QThread {
    Q_OBJECT
public:
    TransferWorker(DownloadOptions options, LinkFactory factory, QObject* parent = nullptr)
        : QThread(parent), m_options(std::move(options)), m_factory(std::move(factory)) {}

    bool Succeeded() const { return m_succeeded; }

signals:
    void captionChanged(const QString& caption);
    void rangeChanged(int lower, int upper);
    void positionChanged(int position);
    void stepped();
    void repaintRequested();
    // The panel's information, each time the run has read it.
    void panelIdentified(int model, int guiVersion, bool emulated);
    // Connected blocking: the run waits until the message has been shown.
    // kind is a balsar::MessageKind.
    void messageRaised(const QString& text, int kind);
    void runFinished(bool ok);

protected:
    void run() override;

private:
    DownloadOptions m_options;
    LinkFactory m_factory;
    bool m_succeeded = false;
};

} // namespace caldo
