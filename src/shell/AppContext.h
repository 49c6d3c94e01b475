#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class Database;
class Dialogs;
class Windows;

// Site configuration compiled into the build (see the CMake cache variables);
// tests give their own values.
struct AppConfig
{
    QString updateHost;
    QString siteHost;
    QString shopHost;
    QString storeHost;
    QString calculator;

    static AppConfig fromBuild();
};

// What every window of the main program is given: the one database connection, the
// dialog layer, the window registry and the few things it asks of the platform.
struct AppContext
{
    Database* db = nullptr;
    Dialogs* dialogs = nullptr;
    Windows* windows = nullptr;
    AppConfig config;
    QString programFolder; // absolute; also the working directory

    // Starts a program as its own process; false when it could not be started.
    std::function<bool(const QString& program, const QStringList& arguments)> startProcess;
    // Opens a web address in the default browser, without waiting.
    std::function<void(const QUrl& url)> openUrl;
    // Ends the program at once: no window runs its closing steps.
    std::function<void()> endProgram;
    // The clock of the windows that show the time.
    std::function<QDateTime()> now;

    // Fills the platform functions that are still empty with the real ones.
    void installPlatformDefaults();
};
