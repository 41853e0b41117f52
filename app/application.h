#pragma once
// The application: start-up in order (preferences, the chart document with a new chart or the chart
// named on the command line, main frame with splash, the document joined to the frame and its views)
// and shut-down (the ephemeris library closed).
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class CFrameDocumentLink;
class CMainFrame;
class CTavroDoc;

struct CommandLineInfo {
    bool showSplash = true;
    std::string fileToOpen; // empty: a new chart
};

// Reads the program's arguments (without the program name). The automation switches -Embedding and
// -Automation (also with "/") are accepted and ignored; the first other argument names the chart file.
CommandLineInfo ParseCommandLine(const QStringList& arguments);

class CTavroApp : public QObject {
public:
    CTavroApp();
    ~CTavroApp() override;

    // Starts the program; false when it cannot run (the reason was shown).
    bool InitInstance(const QStringList& arguments);
    // Closes what start-up opened; call after the event loop ends.
    void ExitInstance();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CTavroDoc* Document() const { return m_document.get(); }

protected:
    // Lets the splash window see every key and mouse press before it is delivered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Declared in the order they are made; each outlives what is made after it.
    std::unique_ptr<CTavroDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CFrameDocumentLink> m_frameLink;
};
