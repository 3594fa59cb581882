#pragma once
// The check pane: the findings of the last project check or compile, one
// row each (severity, code, place, message). Double-clicking a row asks
// the main window to go to the finding's place.
#include <QDockWidget>

#include "elements/CompileFinding.h"

class QTreeWidget;

namespace balsar::app {

class CheckDock : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckDock(QWidget* parent = nullptr);

    // Replaces the rows; shows the pane when there is something to see.
    void ShowFindings(const FindingList& findings);
    const FindingList& Findings() const { return m_findings; }
    QTreeWidget* Rows() const { return m_rows; }

signals:
    void findingActivated(const balsar::FindingPlace& place);

private:
    QTreeWidget* m_rows = nullptr;
    FindingList m_findings;
};

} // namespace balsar::app
