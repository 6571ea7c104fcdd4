#pragma once
// The logger's configuration memory as Intel HEX text, in the two layouts the service
// tools use: 128 bytes under extended address 0x00F0 (one memory byte per data byte),
// or 256 bytes under 0x00FF (records at 0xFC00.., every two memory bytes followed by
// two filler bytes).
#include <QByteArray>

namespace IntelHex {

constexpr int imageSize = 256;

// The HEX text (CRLF line ends) of a 128- or 256-byte image; empty for any other size.
QByteArray write(const QByteArray& image);

struct Image {
    QByteArray bytes = QByteArray(imageSize, char(0xFF)); // unsupplied bytes stay 0xFF
    int supplied = 0;                                     // distinct image bytes the file set
    bool complete() const { return supplied == imageSize; }
};

// Reads HEX text as the restore does: lines failing the length or checksum test are
// skipped, reading stops at an end record, and bytes that fall outside the image are
// dropped. Never fails; the caller looks at complete().
Image read(const QByteArray& text);

} // namespace IntelHex
