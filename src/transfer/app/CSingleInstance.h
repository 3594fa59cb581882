// One running copy per program and user. The first copy listens on a local
// socket named after the program; a later copy asks it to come to the front.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace caldo {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const QString& programName, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when no other copy runs; this copy then answers later ones.
    bool TryBecomePrimary();
    // Asks the running copy to show its window; false when none answers.
    bool ActivatePrimary();
    QString ServerName() const { return m_serverName; }

signals:
    void activationRequested();

private:
    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace caldo
