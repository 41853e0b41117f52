#pragma once
// The application: start-up in order (preferences, main frame with splash, the chart named on the
// command line) and shut-down (the ephemeris library closed).
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class CMainFrame;

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

protected:
    // Lets the splash window see every key and mouse press before it is delivered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<CMainFrame> m_frame;
};
