#pragma once
#include "simulator/simulatedlogger.h"

#include <QString>

// Keeps a simulated logger in its state file: loaded on construction (a default logger is
// created and saved when the file does not exist), saved after every change and on
// destruction. A file that exists but cannot be read is never overwritten.
class SimulatedLoggerFile
{
public:
    explicit SimulatedLoggerFile(const QString& path);
    ~SimulatedLoggerFile();
    SimulatedLoggerFile(const SimulatedLoggerFile&) = delete;
    SimulatedLoggerFile& operator=(const SimulatedLoggerFile&) = delete;

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }
    SimulatedLogger& logger() { return m_logger; }
    bool save();

private:
    SimulatedLogger m_logger;
    QString m_path;
    bool m_valid = false;
    QString m_error;
};
