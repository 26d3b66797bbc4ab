// The content checker: reads every file the game reads under Data with the game's own readers and reports each
// problem with its file and line, the way a compiler reports an error in a source file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One problem found. A line of 0 means the file as a whole (missing, unreadable, too short).
struct Finding {
    QString path;
    int line = 0;
    bool error = true;
    QString message;
};

// "path:line: ошибка: message" ("path: предупреждение: message" for the file as a whole).
QString FormatFinding(const Finding& finding);

// Collects the findings of one run.
class Report {
public:
    void error(const QString& path, int line, const QString& message)
    {
        m_findings.push_back({ path, line, true, message });
    }
    void warning(const QString& path, int line, const QString& message)
    {
        m_findings.push_back({ path, line, false, message });
    }
    const std::vector<Finding>& findings() const { return m_findings; }
    int errorCount() const;
    int warningCount() const;

private:
    std::vector<Finding> m_findings;
};

// Checks of one file's contents. `path` is only used in the findings; none of them touches the disk except the
// playlist's, which asks `trackExists` about every track.
void CheckEncoding(Report& report, const QString& path, const QByteArray& bytes);
// Lines longer than a text window lays out.
void CheckShownLines(Report& report, const QString& path, const QStringList& lines);
void CheckQuestionFile(Report& report, const QString& path, const QStringList& lines);
void CheckDialogScript(Report& report, const QString& path, const QStringList& lines);
void CheckMotherScript(Report& report, const QString& path, const QStringList& lines);
void CheckGirlScript(Report& report, const QString& path, const QStringList& lines);
void CheckSmsReplies(Report& report, const QString& path, const QStringList& lines);
void CheckPrice(Report& report, const QString& path, const QStringList& lines);
void CheckSavedGame(Report& report, const QString& path, const QStringList& lines);
void CheckPicture(Report& report, const QString& path, const QByteArray& bytes);
// The playlist's tracks: `trackProblem` gets a track's path as written and returns what is wrong with its file
// (empty when it is fine).
void CheckPlaylist(Report& report, const QString& path, const QStringList& lines,
    const std::function<QString(const QString&)>& trackProblem);
// What is wrong with a music or sound file, read by its type as the game's players read it (empty when it plays).
QString CheckSound(const QString& path, const QByteArray& bytes);
// The same, and a WAV or MIDI file (at `path` on disk) is then opened by the system media player.
QString PlayProblem(const QString& path, const QByteArray& bytes);
// A manifest's game path ("Data\Girls\0.jpg") within the Data folder ("Girls/0.jpg").
QString ContentRelativePath(const QString& gamePath);
// The README's list of the files the game opens, made from the manifest: one table row an entry.
QString ManifestTable();

// Checks the whole Data folder. `shownDir` is how paths are written in the findings (the folder as the user named
// it). With presentOnly, files that are not there are not reported: that checks a folder holding only some files.
Report CheckDataFolder(const QString& dataDir, const QString& shownDir, bool presentOnly = false);
