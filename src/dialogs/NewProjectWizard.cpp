#include "dialogs/NewProjectWizard.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/DialogStrings.h"
#include "dialogs/PortPageWidget.h"
#include "dialogs/QtText.h"
#include "hardware/HardwareModelList.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/NewProjectStrings.h"

namespace balsar::dialogs {

namespace {

QString PathText(const std::filesystem::path& path) { return Q(path.string()); }

} // namespace

NamePage::NamePage(const std::filesystem::path& parentFolder, QWidget* parent)
    : QWizardPage(parent), m_parent(parentFolder) {
    setTitle(Q(balsar::texts::kWizardNamePage));
    auto* grid = new QGridLayout(this);
    m_name = new QLineEdit(this);
    m_location = new QLineEdit(this);
    m_location->setReadOnly(true);
    m_browse = new QPushButton(Q(balsar::texts::kWizardBrowse), this);
    grid->addWidget(new QLabel(Q(balsar::texts::kWizardNameLabel), this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(new QLabel(Q(balsar::texts::kWizardLocationLabel), this), 1, 0);
    grid->addWidget(m_location, 1, 1);
    grid->addWidget(m_browse, 1, 2);
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        ShowLocation();
        emit completeChanged();
    });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString start = PathText(m_parent);
        const QString chosen = chooseFolder ? chooseFolder(start)
                                            : QFileDialog::getExistingDirectory(
                                                  this, Q(balsar::texts::kChooseProjectFolder), start);
        if (!chosen.isEmpty()) {
            SetParentFolder(S(chosen));
        }
    });
    ShowLocation();
}

std::string NamePage::Name() const { return TrimProjectName(S(m_name->text())); }

bool NamePage::isComplete() const { return !Name().empty(); }

void NamePage::SetParentFolder(const std::filesystem::path& folder) {
    m_parent = folder;
    ShowLocation();
}

void NamePage::ShowLocation() {
    NewProjectRequest request;
    request.name = S(m_name->text());
    request.parentFolder = m_parent;
    m_location->setText(PathText(NewProjectFolder(request)));
}

ModelPage::ModelPage(const HardwareModelList& models, MessageSink& sink, QWidget* parent)
    : QWizardPage(parent), m_models(models), m_sink(sink) {
    setTitle(Q(balsar::texts::kWizardModelPage));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Q(balsar::texts::kWizardModelList), this));
    m_list = new QListWidget(this);
    std::vector<std::string> descriptions;
    m_models.ModelDescriptions(descriptions);
    for (const std::string& description : descriptions) {
        m_list->addItem(Q(description));
    }
    layout->addWidget(m_list, 1);
    m_description = new QLabel(this);
    layout->addWidget(m_description);
    connect(m_list, &QListWidget::currentRowChanged, this, &ModelPage::ShowModel);
    if (m_list->count() > 0) {
        m_list->setCurrentRow(0);
    }
}

int ModelPage::ModelIndex() const { return std::max(0, m_list->currentRow()); }

void ModelPage::ShowModel(int row) {
    if (row < 0 || !m_models.LoadModelByIndex(m_model, row, m_sink)) {
        m_description->clear();
        return;
    }
    QStringList lines;
    for (const std::string& line : ModelDescriptionLines(m_model)) {
        lines << Q(line);
    }
    m_description->setText(lines.join(QLatin1Char('\n')));
}

ProtocolPage::ProtocolPage(const ModelPage& models, DesignerSession& session, QWidget* parent)
    : QWizardPage(parent), m_models(models), m_session(session) {
    setTitle(Q(balsar::texts::kWizardProtocolPage));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs);
}

void ProtocolPage::cleanupPage() {
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    m_pages = {};
}

void ProtocolPage::initializePage() {
    cleanupPage();
    const ProtocolLibrary& library = m_session.Protocols();
    for (const HardwarePort& port : m_models.Model().Ports()) {
        const QString caption = Q(port.deviceName.empty() ? "COM" + std::to_string(port.number) : port.deviceName);
        if (port.IsCan() || port.number < 0 || port.number > 2) {
            m_tabs->addTab(new CanPageWidget(m_tabs), caption);
            continue;
        }
        auto* page = new PortPageWidget(library, SerialOptions{port.rs232, port.rs485, port.rs422}, m_session.sink,
                                        m_tabs);
        m_pages[static_cast<size_t>(port.number)] = page;
        m_tabs->addTab(page, caption);
    }
}

PortSettings ProtocolPage::Ports() {
    PortSettings settings;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i] != nullptr) {
            m_pages[i]->Store(settings.ports[i]);
        }
    }
    settings.can.enabled = 0;
    return settings;
}

NewProjectWizard::NewProjectWizard(CMirloDoc& doc, DesignerSession& session, const std::filesystem::path& parentFolder,
                                   QWidget* parent)
    : QWizard(parent), m_doc(doc), m_session(session) {
    setOption(QWizard::HaveFinishButtonOnEarlyPages);
    setOption(QWizard::NoBackButtonOnStartPage);
    m_namePage = new NamePage(parentFolder, this);
    m_modelPage = new ModelPage(session.Models(), session.sink, this);
    m_protocolPage = new ProtocolPage(*m_modelPage, session, this);
    // Finish is offered on every page; the later pages keep their defaults.
    m_namePage->setFinalPage(true);
    m_modelPage->setFinalPage(true);
    addPage(m_namePage);
    addPage(m_modelPage);
    addPage(m_protocolPage);
}

NewProjectRequest NewProjectWizard::Request() {
    NewProjectRequest request;
    request.name = m_namePage->Name();
    request.parentFolder = m_namePage->ParentFolder();
    request.modelIndex = m_modelPage->ModelIndex();
    // Finish on an early page: the port pages of the chosen model are built
    // first so that they give their defaults (every port not used).
    if (m_protocolPage->Tabs()->count() == 0) {
        m_protocolPage->initializePage();
    }
    request.ports = m_protocolPage->Ports();
    return request;
}

void NewProjectWizard::accept() {
    switch (FinishNewProject(m_doc, m_session, Request())) {
    case NewProjectResult::Created:
        QWizard::accept();
        return;
    case NewProjectResult::KeepWizardOpen:
        return;
    case NewProjectResult::Failed:
        QWizard::reject();
        return;
    }
}

bool ShowNewProjectWizard(QWidget* parent, CMirloDoc& doc, DesignerSession& session,
                          const std::filesystem::path& parentFolder) {
    NewProjectWizard wizard(doc, session, parentFolder, parent);
    return wizard.exec() == QDialog::Accepted;
}

} // namespace balsar::dialogs
