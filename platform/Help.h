#pragma once
// Help by context number: a viewer window with the topics of the help file beside its contents.
#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/HelpFile.h"

class QListWidget;
class QTextBrowser;

namespace ftb::platform {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(const HelpFile& file, QWidget* parent = nullptr);

    void ShowTopic(int context);
    void ShowContents();
    int CurrentTopic() const { return current_; }
    QString PageTitle() const;
    QString PageText() const;

private:
    const HelpFile& file_;
    QListWidget* contents_;
    QTextBrowser* page_;
    int current_ = 0;
};

class Help {
public:
    explicit Help(const std::string& helpFilePath);
    ~Help();
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    void ShowTopic(int context);
    void ShowContents();
    void Close();
    HelpViewer* Viewer() const { return viewer_; }
    const HelpFile& File() const { return file_; }

private:
    HelpViewer& EnsureViewer();

    HelpFile file_;
    QPointer<HelpViewer> viewer_;
};

// "FTB" + "2002" + ".HLP": the help file's name.
inline const char* const kHelpFileName = "FTB2002.HLP";

}  // namespace ftb::platform
