#pragma once

#include <QString>

// The numbered user messages. Codes are fixed: other parts of the program cite them.
enum ErrorCode {
    kErrWrongReplyCommand = 1,
    kErrSendFailed = 2,
    kErrNoReply = 3,
    kErrBadCrc = 4,
    kErrUnknownDevice = 5,
    kErrTransmit = 6,
    kErrReadStopped = 7,
    kErrNoFactoryFile = 8,
    kErrWriteFile = 9,
    kErrReadFile = 10,
    kErrDataNotForDevice = 11,
    kErrNothingToWrite = 12,
    kErrVersionNotSupported = 13,
    kErrBadIpAddress = 14,
    kErrBadTime = 15,
};

// Text of message `code`; empty for a code outside 1..15.
QString errorText(int code);

// Shows message `code` in an error box, with `detail` under it, and returns when the user
// has closed it.
void ShowError(int code, const QString &detail = QString());

// Key filters shared by the editors. A filter lets its characters through together with
// Backspace and the clipboard controls Ctrl+C, Ctrl+V and Ctrl+X (characters 3, 22, 24);
// a refused key is swallowed and the filter's message is shown in an information box.
struct KeyFilter {
    bool (*accepts)(QChar key);
    QString message;
};

const KeyFilter &digitKeyFilter();     // 0..9
const KeyFilter &hexKeyFilter();       // 0..9, A..F, a..f
const KeyFilter &telephoneKeyFilter(); // 0..9, "+", "*"
const KeyFilter &dialledKeyFilter();   // 0..9, for numbers without pause or dial-tone marks
const KeyFilter &addressKeyFilter();   // 0 and 2..7

bool isEditingKey(QChar key);

// Applies `filter` to one typed character: true when it passes, otherwise shows the
// filter's message and returns false.
bool filterKey(const KeyFilter &filter, QChar key);

// Drops every character that `filter` refuses (pasted text is treated like typed text).
QString filterText(const KeyFilter &filter, const QString &text);
