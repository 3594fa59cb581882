// One running copy per program and user. The first copy listens on a local
// socket named after the program; a later copy asks it to come to the front,
// names the package it was started for, and gets back what the first copy
// did with it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace caldo {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // Takes the package a later copy was started for; returns the text that
    // copy adds to its message.
    using Responder = std::function<QString(const QString& packagePath)>;

    explicit CSingleInstance(const QString& programName, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when no other copy runs; this copy then answers later ones.
    bool TryBecomePrimary();
    void SetResponder(Responder responder) { m_responder = std::move(responder); }
    // Asks the running copy to show its window and hands it the package;
    // answer receives its reply. False when none answers.
    bool ActivatePrimary(const QString& packagePath = QString(), QString* answer = nullptr);
    QString ServerName() const { return m_serverName; }

signals:
    void activationRequested();

private:
    QString m_serverName;
    QLocalServer* m_server = nullptr;
    Responder m_responder;
};

} // namespace caldo
