#include "app/CheckDock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "app/AppStrings.h"
#include "app/AppText.h"
#include "i18n/UiText.h"

namespace balsar::app {

namespace {
// Data (codes, places, the core's finished messages), shown as it stands.
QString Data(const std::string& utf8) { return QString::fromStdString(utf8); }
} // namespace

CheckDock::CheckDock(QWidget* parent) : QDockWidget(Text(texts::kCheckPaneTitle), parent) {
    setObjectName(QStringLiteral("checkDock"));
    m_rows = new QTreeWidget(this);
    m_rows->setRootIsDecorated(false);
    m_rows->setColumnCount(4);
    m_rows->setHeaderLabels({Text(texts::kCheckSeverity), Text(texts::kCheckCode), Text(texts::kCheckPlace),
                             Text(texts::kCheckMessage)});
    m_rows->header()->setStretchLastSection(true);
    setWidget(m_rows);
    connect(m_rows, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        const int index = m_rows->indexOfTopLevelItem(item);
        if (index >= 0 && static_cast<size_t>(index) < m_findings.size()) {
            emit findingActivated(m_findings[static_cast<size_t>(index)].place);
        }
    });
}

void CheckDock::ShowFindings(const FindingList& findings) {
    m_findings = findings;
    m_rows->clear();
    for (const Finding& finding : m_findings) {
        auto* row = new QTreeWidgetItem(m_rows);
        row->setText(0, Text(finding.severity == Severity::Error ? texts::kCheckError : texts::kCheckWarning));
        row->setText(1, Data(finding.code));
        row->setText(2, Data(PlaceText(finding.place)));
        row->setText(3, i18n::UiMessage(finding.message));
        row->setToolTip(3, i18n::UiMessage(finding.message));
    }
    if (m_findings.empty()) {
        auto* row = new QTreeWidgetItem(m_rows);
        row->setText(3, Text(texts::kCheckClean));
        row->setFlags(Qt::NoItemFlags);
    }
    for (int column = 0; column < 3; ++column) {
        m_rows->resizeColumnToContents(column);
    }
    show();
    raise();
}

} // namespace balsar::app
