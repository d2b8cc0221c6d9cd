#include "platform/Help.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTextBrowser>

#include "platform/QtText.h"

namespace ftb::platform {

HelpViewer::HelpViewer(const HelpFile& file, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(file) {
    setWindowTitle(QStringLiteral("Help"));
    setObjectName(QStringLiteral("HelpViewer"));
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("HelpPage"));
    for (const auto& [context, topic] : file_.Topics()) {
        auto* item = new QListWidgetItem(FromWin1252(topic.title), contents_);
        item->setData(Qt::UserRole, context);
    }
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(contents_, 1);
    layout->addWidget(page_, 3);
    resize(720, 480);
}

void HelpViewer::ShowTopic(int context) {
    current_ = context;
    page_->clear();
    const HelpTopic* topic = file_.Find(context);
    if (topic == nullptr) {
        page_->setPlainText(QStringLiteral("No help is available for topic %1.").arg(context));
    } else {
        QString html = QStringLiteral("<h2>%1</h2>").arg(FromWin1252(topic->title).toHtmlEscaped());
        for (const QString& paragraph :
             FromWin1252(topic->text).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        }
        page_->setHtml(html);
    }
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toInt() == context) {
            contents_->setCurrentRow(row);
        }
    }
    show();
    raise();
}

void HelpViewer::ShowContents() {
    current_ = 0;
    page_->setHtml(QStringLiteral("<h2>Contents</h2><p>Choose a topic from the list.</p>"));
    contents_->setFocus();
    show();
    raise();
}

QString HelpViewer::PageTitle() const {
    const HelpTopic* topic = file_.Find(current_);
    return topic ? FromWin1252(topic->title) : QString();
}

QString HelpViewer::PageText() const { return page_->toPlainText(); }

Help::Help(const std::string& helpFilePath) : file_(HelpFile::Load(helpFilePath)) {}

Help::~Help() { delete viewer_.data(); }

HelpViewer& Help::EnsureViewer() {
    if (viewer_.isNull()) viewer_ = new HelpViewer(file_);
    return *viewer_;
}

void Help::ShowTopic(int context) { EnsureViewer().ShowTopic(context); }

void Help::ShowContents() { EnsureViewer().ShowContents(); }

void Help::Close() {
    if (!viewer_.isNull()) viewer_->close();
}

}  // namespace ftb::platform
