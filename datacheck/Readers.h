// The two content readers the checker holds itself: the street conversations' node table and the playlist. They read
// by the same rules as the game's own (ParseDialogScript of street/DialogScript.h, ParsePlaylist of game/Music.h),
// but keep the line every field stands on, which the findings name and the game has no use for.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// A street conversation's node with the lines its fields stand on (1-based), for the findings.
struct DialogNodeRead {
    int firstLine = 0;
    QString line;
    std::array<QString, 3> answers;
    std::array<int, 3> next { 0, 0, 0 }; // as the game keeps them: 16 bits without a sign
    std::array<int, 3> nextLine { 0, 0, 0 };
    QString outcomeLine;
    int outcomeLineNumber = 0;
};

// A script that cannot be read: the line (1-based, 0 for the file) and what is wrong there.
struct DialogReadError {
    int line = 0;
    QString message;
};

// Ten lines a node: the other party's line, three answers, two numbers kept but not used, three next-node numbers,
// the outcome code. Number lines may stand after empty lines and carry anything after a blank. Throws
// DialogReadError.
std::vector<DialogNodeRead> ReadDialogNodes(const QStringList& lines);

// The five outcome codes; only the first three characters of the line count.
bool IsDialogOutcome(const QString& outcomeLine);

// One playlist entry: the title shown (after the first blank of its line) and the path line as written.
struct PlaylistEntry {
    int titleLine = 0; // 1-based
    QString titleLineText;
    QString title;
    bool hasPath = false;
    QString path;
};

// Line 1 is a header; then title line, path line, pairs to the end of the file.
std::vector<PlaylistEntry> ReadPlaylist(const QStringList& lines);
