#pragma once
// What the files of UsbCom share of the logger's wire protocol: the command codes, the mark
// a page reply starts with, and the link's time-outs.

namespace UsbProtocol {

constexpr unsigned char pageMark = '@';
constexpr int readTimeoutMs = 500;
constexpr int writeTimeoutMs = 200;

enum Command : unsigned char {
    CmdSetClock = 0x02,
    CmdReadClock = 0x03,
    CmdInit = 0x05,
    CmdReadEntry = 0x08,
    CmdWriteName = 0x09,
    CmdReadPage = 0x0C,
    CmdWriteCalibration = 0x19,
    CmdReadCalibration = 0x1A,
    CmdByteWord = 0x1B,
    CmdWriteConfig = 0x1C,
    CmdReadConfig = 0x1D,
    CmdSignalTest = 0x1E,
    CmdQuery = 0x1F,
    CmdService = 0x20
};

} // namespace UsbProtocol
