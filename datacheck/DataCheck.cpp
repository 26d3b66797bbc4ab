#include "datacheck/DataCheck.h"

#include "core/DiaryGrades.h"
#include "core/Errors.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "datacheck/Readers.h"
#include "records/Questions.h"
#include "records/SaveFile.h"
#include "street/GirlScript.h"
#include "street/SmsReplies.h"
#include "town/MotherScript.h"
#include "town/PhoneShop.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {
constexpr int DialogFileNodeLimit = 60;
constexpr int GirlFileCount = 10;
constexpr int EndingCount = 5;
constexpr int JobCount = 7;

// "«text»", cut when it is long.
QString Quoted(const QString& text)
{
    constexpr int Longest = 40;
    return QStringLiteral("\"%1\"").arg(text.size() > Longest ? text.left(Longest) + QStringLiteral("...") : text);
}

// The 1-based line a byte offset stands on, counting line ends the way the game's reader does.
int LineOfOffset(const QByteArray& bytes, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}
}

// What stands after the fourth mark of a question line: the game ignores it.
static QString AfterFourthMark(const QString& line)
{
    int marks = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if ((line[i] == QLatin1Char('#') || line[i] == QLatin1Char('@')) && ++marks == 4)
            return line.mid(i + 1);
    }
    return {};
}

QString FormatFinding(const Finding& finding)
{
    const QString kind = finding.error ? QStringLiteral("error") : QStringLiteral("warning");
    if (finding.line > 0)
        return QStringLiteral("%1:%2: %3: %4").arg(finding.path).arg(finding.line).arg(kind, finding.message);
    return QStringLiteral("%1: %2: %3").arg(finding.path, kind, finding.message);
}

int Report::errorCount() const
{
    return int(std::count_if(m_findings.begin(), m_findings.end(), [](const Finding& f) { return f.error; }));
}

int Report::warningCount() const { return int(m_findings.size()) - errorCount(); }

void CheckEncoding(Report& report, const QString& path, const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        report.error(path, 1, QStringLiteral("starts with a UTF-8 byte order mark; the game reads Windows-1251"));
        return;
    }
    const qsizetype firstHigh
        = std::find_if(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; }) - bytes.begin();
    if (firstHigh < bytes.size()) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8.decode(bytes);
        if (!utf8.hasError()) {
            report.error(path, LineOfOffset(bytes, firstHigh),
                QStringLiteral("the file is UTF-8; the game reads Windows-1251 (iconv -f UTF-8 -t WINDOWS-1251)"));
            return;
        }
    }
    const qsizetype unused = bytes.indexOf('\x98');
    if (unused >= 0)
        report.error(path, LineOfOffset(bytes, unused), QStringLiteral("byte 0x98 is no Windows-1251 character"));
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        report.error(path, LineOfOffset(bytes, zero), QStringLiteral("a zero byte: this is no text file"));
}

void CheckQuestionFile(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.size() < MinQuestionLines)
        report.error(
            path, 0, QStringLiteral("%1 question lines; a questioning asks three different ones").arg(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int at = int(i) + 1;
        const QString& line = lines[i];
        if (line.size() > MaxQuestionLineLength) {
            report.error(path, at,
                QStringLiteral("line of %1 characters; at most %2 fit the question window")
                    .arg(line.size())
                    .arg(MaxQuestionLineLength));
            continue;
        }
        if (line.isEmpty()) {
            report.error(path, at, QStringLiteral("empty line: every line is asked as a question"));
            continue;
        }
        int marks = 0;
        for (QChar c : line)
            marks += c == QLatin1Char('#') || c == QLatin1Char('@');
        const Question question = ParseQuestionLine(line);
        if (marks < 3) {
            report.error(
                path, at, QStringLiteral("%1 of the 3 marks (# wrong, @ right) in front of the answers").arg(marks));
            continue;
        }
        if (question.text.trimmed().isEmpty())
            report.error(path, at, QStringLiteral("the question is empty"));
        for (int k = 0; k < 3; ++k) {
            if (question.answers[k].trimmed().isEmpty())
                report.error(path, at, QStringLiteral("answer %1 is empty").arg(k + 1));
        }
        if (!question.right[0] && !question.right[1] && !question.right[2])
            report.error(path, at, QStringLiteral("no right answer: mark one with @"));
        if (marks > 3 && !AfterFourthMark(line).isEmpty())
            report.warning(path, at, QStringLiteral("text after the third answer's end mark is ignored"));
    }
}

void CheckDialogScript(Report& report, const QString& path, const QStringList& lines)
{
    std::vector<DialogNodeRead> nodes;
    try {
        nodes = ReadDialogNodes(lines);
    } catch (const DialogReadError& error) {
        report.error(path, error.line, error.message);
        return;
    }
    const int count = int(nodes.size());
    if (count == 0) {
        report.error(path, 0, QStringLiteral("no nodes: the file is empty"));
        return;
    }
    if (count > DialogFileNodeLimit) {
        report.error(path, nodes[DialogFileNodeLimit].firstLine,
            QStringLiteral("node %1: a script holds at most %2 nodes")
                .arg(DialogFileNodeLimit + 1)
                .arg(DialogFileNodeLimit));
        return;
    }
    for (int n = 0; n < count; ++n) {
        const DialogNodeRead& node = nodes[n];
        if (!node.outcomeLine.isEmpty() && !IsDialogOutcome(node.outcomeLine))
            report.error(path, node.outcomeLineNumber,
                QStringLiteral("node %1: unknown outcome code %2 (war, ch1, ch2, ch3, win or an empty line)")
                    .arg(n + 1)
                    .arg(Quoted(node.outcomeLine)));
    }
    // Which nodes a talk can reach: from node 1 through the answers of every node that does not end the talk.
    std::vector<bool> reached(count, false);
    std::vector<int> queue { 0 };
    reached[0] = true;
    while (!queue.empty()) {
        const int n = queue.back();
        queue.pop_back();
        const DialogNodeRead& node = nodes[n];
        if (n != 0 && IsDialogOutcome(node.outcomeLine))
            continue;
        for (int k = 0; k < 3; ++k) {
            const int next = node.next[k];
            if (next < 1 || next > count) {
                report.error(path, node.nextLine[k],
                    QStringLiteral("node %1, answer %2 leads to node %3; the script has nodes 1 to %4")
                        .arg(n + 1)
                        .arg(k + 1)
                        .arg(next)
                        .arg(count));
                continue;
            }
            if (!reached[next - 1]) {
                reached[next - 1] = true;
                queue.push_back(next - 1);
            }
        }
    }
    for (int n = 0; n < count; ++n) {
        if (!reached[n])
            report.warning(
                path, nodes[n].firstLine, QStringLiteral("node %1 cannot be reached from node 1").arg(n + 1));
    }
}

void CheckMotherScript(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.size() < 2) {
        report.error(path, 0, QStringLiteral("the caption (line 1) and the first label (line 2) are missing"));
        return;
    }
    if (lines[0].isEmpty())
        report.warning(path, 1, QStringLiteral("the window caption is empty"));
    // The blocks as the talk finds them: "+label", speech, "-label", three captions, three labels.
    QSet<QString> labels;
    std::vector<std::pair<int, QString>> blocks; // start line and label of every complete block
    struct Reference {
        int line;
        QString label;
    };
    std::vector<Reference> references { { 2, lines[1] } };
    const QString fixed[MotherAnswerCount] = { QStringLiteral("Я хожу в школу постоянно голодный"),
        QStringLiteral("Я решил сесть на диету"), QStringLiteral("Допустим, я хочу мобильник...") };
    // Where each end marker stands, so that finding a block's end does not scan the rest of the file again.
    QHash<QString, std::vector<qsizetype>> endMarkers;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char('-')))
            endMarkers[lines[i]].push_back(i);
    }
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1Char('+')))
            continue;
        const QString label = lines[i].mid(1);
        const QString end = QLatin1Char('-') + label;
        const auto ends = endMarkers.constFind(end);
        qsizetype endAt = lines.size();
        if (ends != endMarkers.constEnd()) {
            const auto after = std::upper_bound(ends->begin(), ends->end(), i);
            if (after != ends->end())
                endAt = *after;
        }
        if (endAt >= lines.size()) {
            report.error(
                path, int(i) + 1, QStringLiteral("block %1 has no end marker %2").arg(Quoted(lines[i]), Quoted(end)));
            continue;
        }
        if (endAt + 2 * MotherAnswerCount >= lines.size()) {
            report.error(path, int(endAt) + 1,
                QStringLiteral("block %1 is cut short: three captions and three labels must follow its end marker")
                    .arg(Quoted(lines[i])));
            i = endAt;
            continue;
        }
        labels.insert(label);
        blocks.emplace_back(int(i) + 1, label);
        for (int slot = 0; slot < MotherAnswerCount; ++slot) {
            const int captionLine = int(endAt) + 2 + slot;
            const QString& caption = lines[captionLine - 1];
            for (int other = 0; other < MotherAnswerCount; ++other) {
                if (other != slot && caption == fixed[other])
                    report.error(path, captionLine,
                        QStringLiteral("%1 works only as answer %2; as answer %3 it is an ordinary answer")
                            .arg(Quoted(caption))
                            .arg(other + 1)
                            .arg(slot + 1));
            }
            // The lunch-money answers open a window instead of a node; every other answer goes to its label.
            if (!(slot < 2 && caption == fixed[slot]))
                references.push_back({ captionLine + MotherAnswerCount, lines[captionLine + MotherAnswerCount - 1] });
        }
        i = endAt + 2 * MotherAnswerCount;
    }
    // The talk's own search confirms the labels (each one once; it reads the whole file every time).
    constexpr int ConfirmedLabels = 200;
    QHash<QString, bool> found;
    for (const Reference& reference : references) {
        auto known = found.find(reference.label);
        if (known == found.end()) {
            bool has = labels.contains(reference.label);
            if (has && found.size() < ConfirmedLabels)
                has = FindMotherNode(lines, reference.label).hasAnswers;
            known = found.insert(reference.label, has);
        }
        if (!*known)
            report.error(path, reference.line, QStringLiteral("label %1 has no block").arg(Quoted(reference.label)));
    }
    for (const auto& [line, label] : blocks) {
        if (!found.contains(label))
            report.warning(path, line, QStringLiteral("no answer leads to block %1").arg(Quoted(label)));
    }
}

void CheckGirlScript(Report& report, const QString& path, const QStringList& lines)
{
    const GirlScript script = GirlScript::Parse(lines);
    if (!script.isSound()) {
        static const QRegularExpression withLine(QStringLiteral("^строка (\\d+): (.*)$"));
        const QRegularExpressionMatch match = withLine.match(script.problem());
        if (match.hasMatch())
            report.error(path, match.captured(1).toInt(), match.captured(2));
        else
            report.error(path, 0, script.problem());
        return;
    }
    // A script she can never be charmed by is a mistake: the best answers must keep her liking at 85 or above.
    long long best = 0;
    int given = 0;
    const auto& nodes = script.nodes();
    for (size_t n = 0; n + 1 < nodes.size(); ++n) {
        int top = nodes[n].answers[0].score;
        for (const GirlAnswer& answer : nodes[n].answers)
            top = std::max(top, answer.score);
        best += top;
        ++given;
        if (Liking(best, given) < LikingLimit) {
            report.error(path, nodes[n].line + 1,
                QStringLiteral("even the best answers leave her liking at %1 here; she gives up below %2")
                    .arg(Liking(best, given))
                    .arg(LikingLimit));
            return;
        }
    }
}

void CheckSmsReplies(Report& report, const QString& path, const QStringList& lines)
{
    static const QString separators = QStringLiteral(" !\"&,./:;?");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (!line.startsWith(QLatin1Char('\'')))
            continue;
        const int at = int(i) + 1;
        const QStringList keys = line.mid(1).split(QLatin1Char('\''));
        if (keys.size() > SmsMaxWords)
            report.error(
                path, at, QStringLiteral("%1 keys; only the first %2 are looked at").arg(keys.size()).arg(SmsMaxWords));
        for (const QString& key : keys) {
            for (QChar c : key) {
                if (separators.contains(c)) {
                    report.error(path, at,
                        QStringLiteral("key %1 holds %2, which splits the words of a message: it can never match")
                            .arg(Quoted(key), Quoted(QString(c))));
                    break;
                }
            }
        }
        if (i + 1 >= lines.size() || lines[i + 1] == QLatin1String("-")) {
            report.error(path, at, QStringLiteral("empty block: a header line and replies up to \"-\" must follow"));
            continue;
        }
        qsizetype end = i + 2;
        while (end < lines.size() && lines[end] != QLatin1String("-") && !lines[end].startsWith(QLatin1Char('\'')))
            ++end;
        // The game's own search must find these replies for a message of exactly these words.
        QStringList words;
        for (const QString& key : keys)
            words.append(UpperCase1251(key));
        words.append(QString());
        const auto replies = FindSmsReplies(lines.mid(i, end - i + 1), words);
        if (end == i + 2 || !replies || replies->isEmpty())
            report.error(path, at, QStringLiteral("empty block: no replies before \"-\""));
        else if (end >= lines.size() || lines[end] != QLatin1String("-"))
            report.error(path, at, QStringLiteral("the block is not closed by a line \"-\""));
        for (qsizetype r = i + 2; r < end; ++r) {
            if (lines[r].size() > SmsLength)
                report.warning(path, int(r) + 1,
                    QStringLiteral("a reply of %1 characters; an SMS holds %2").arg(lines[r].size()).arg(SmsLength));
        }
        i = end - 1;
    }
}

void CheckPrice(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.isEmpty()) {
        report.error(path, 0, QStringLiteral("empty; the first line is the price in roubles"));
        return;
    }
    if (!IsInteger(lines[0]))
        report.error(path, 1, QStringLiteral("the price %1 is not a whole number").arg(Quoted(lines[0])));
    else if (StrToInt(lines[0]) <= 0)
        report.error(path, 1, QStringLiteral("the price %1 is not above zero").arg(lines[0]));
}

void CheckSavedGame(Report& report, const QString& path, const QStringList& lines)
{
    const QString problem = CheckSavedGameLines(lines);
    if (!problem.isEmpty())
        report.error(path, 0, problem);
}

void CheckPicture(Report& report, const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    try {
        if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
            DecodeJpeg(bytes, path);
        else
            DecodeOtherPicture(bytes, path);
    } catch (const EInOutError& error) {
        report.error(path, 0, error.reason());
    }
}

QString CheckSoundBytes(const QString& path, const QByteArray& head)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("ogg"))
        return head.startsWith("OggS") ? QString() : QStringLiteral("not an Ogg file");
    if (suffix == QLatin1String("mp3")) {
        const bool frame = head.size() >= 2 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0;
        return head.startsWith("ID3") || frame ? QString() : QStringLiteral("not an MP3 file (no tag, no frame)");
    }
    if (suffix == QLatin1String("mid"))
        return head.startsWith("MThd") ? QString() : QStringLiteral("not a MIDI file");
    if (suffix == QLatin1String("wav"))
        return head.startsWith("RIFF") && head.mid(8, 4) == "WAVE" ? QString() : QStringLiteral("not a WAV file");
    return QStringLiteral("a type the game cannot play (mp3, ogg, mid, wav)");
}

void CheckPlaylist(Report& report, const QString& path, const QStringList& lines,
    const std::function<QString(const QString&)>& trackProblem)
{
    const std::vector<PlaylistEntry> entries = ReadPlaylist(lines);
    if (entries.empty())
        report.error(path, 0, QStringLiteral("no tracks: a header line, then a title line and a path line a track"));
    for (const PlaylistEntry& entry : entries) {
        if (!entry.titleLineText.contains(QLatin1Char(' ')))
            report.error(path, entry.titleLine,
                QStringLiteral("the title line %1 has no blank: the title is what stands after the first blank")
                    .arg(Quoted(entry.titleLineText)));
        else if (entry.title.trimmed().isEmpty())
            report.error(path, entry.titleLine, QStringLiteral("empty title"));
        if (!entry.hasPath) {
            report.error(
                path, entry.titleLine, QStringLiteral("the file ends after a title: the path line is missing"));
            continue;
        }
        const QString problem = trackProblem(entry.path);
        if (!problem.isEmpty())
            report.error(path, entry.titleLine + 1, QStringLiteral("%1: %2").arg(Quoted(entry.path), problem));
    }
}

namespace {
// One run over a Data folder.
class FolderCheck {
public:
    FolderCheck(const QString& dataDir, const QString& shownDir, bool presentOnly)
        : m_dir(QFileInfo(dataDir).absoluteFilePath())
        , m_shown(shownDir)
        , m_presentOnly(presentOnly)
    {
    }

    Report run()
    {
        questions();
        dialogs();
        girls();
        sms();
        phones();
        plainTexts(QStringLiteral("Ending/End%1.end"), 1, EndingCount);
        plainTexts(QStringLiteral("Works/%1.txt"), 0, JobCount - 1);
        help();
        playlist();
        pictures();
        return m_report;
    }

private:
    QString full(const QString& relative) const { return m_dir.filePath(relative); }
    QString shown(const QString& relative) const { return m_shown + QLatin1Char('/') + relative; }

    bool present(const QString& relative)
    {
        if (QFileInfo(full(relative)).isFile())
            return true;
        if (!m_presentOnly)
            m_report.error(shown(relative), 0, QStringLiteral("missing: the game reads this file"));
        return false;
    }

    // Reads a text file with the game's reader after checking its encoding; false when it is missing or unreadable.
    bool readText(const QString& relative, QStringList* lines)
    {
        if (!present(relative))
            return false;
        try {
            *lines = ReadLines1251(full(relative));
        } catch (const EInOutError& error) {
            m_report.error(shown(relative), 0, error.reason());
            return false;
        }
        QFile file(full(relative));
        if (file.open(QIODevice::ReadOnly))
            CheckEncoding(m_report, shown(relative), file.read(MaxTextFileSize));
        return true;
    }

    void questions()
    {
        for (int subject = 0; subject < SubjectCount; ++subject) {
            const QString relative = QStringLiteral("Questions/%1.qst").arg(QuestionFileSubject(SubjectKey(subject)));
            QStringList lines;
            if (readText(relative, &lines))
                CheckQuestionFile(m_report, shown(relative), lines);
        }
    }

    void dialogs()
    {
        for (const char* relative : { "Dialogs/Gopniks/GOPNIK.DLG", "MyGOPSTOP/GOPNIK.DLG" }) {
            QStringList lines;
            if (readText(QString::fromUtf8(relative), &lines))
                CheckDialogScript(m_report, shown(QString::fromUtf8(relative)), lines);
        }
        QStringList lines;
        if (readText(QStringLiteral("Dialogs/Mother.dlg"), &lines))
            CheckMotherScript(m_report, shown(QStringLiteral("Dialogs/Mother.dlg")), lines);
    }

    void girls()
    {
        for (int girl = 0; girl < GirlFileCount; ++girl) {
            present(QStringLiteral("Girls/%1.jpg").arg(girl));
            QStringList lines;
            const QString info = QStringLiteral("Girls/%1.inf").arg(girl);
            if (readText(info, &lines) && lines.join(QString()).trimmed().isEmpty())
                m_report.warning(shown(info), 0, QStringLiteral("empty: the girls window shows this text about her"));
            const QString script = QStringLiteral("Girls/%1.gdlg").arg(girl);
            if (readText(script, &lines))
                CheckGirlScript(m_report, shown(script), lines);
        }
        for (const char* face : { "Girls/Good.bmp", "Girls/Bad.bmp", "Girls/Empty.bmp" })
            present(QString::fromUtf8(face));
    }

    void sms()
    {
        QStringList lines;
        if (readText(QStringLiteral("SMS/answer_sms.asms"), &lines))
            CheckSmsReplies(m_report, shown(QStringLiteral("SMS/answer_sms.asms")), lines);
    }

    void phones()
    {
        for (const PhoneBrand& brand : PhoneBrands) {
            for (const char* model : brand.models) {
                const QString folder
                    = QStringLiteral("Mobiles/%1/%2/").arg(QString::fromUtf8(brand.brand), QString::fromUtf8(model));
                QStringList lines;
                if (readText(folder + QStringLiteral("Price.txt"), &lines))
                    CheckPrice(m_report, shown(folder + QStringLiteral("Price.txt")), lines);
                present(folder + QStringLiteral("Icon.jpg"));
                if (readText(folder + QStringLiteral("Description.txt"), &lines)
                    && lines.join(QString()).trimmed().isEmpty())
                    m_report.warning(
                        shown(folder + QStringLiteral("Description.txt")), 0, QStringLiteral("empty description"));
            }
        }
    }

    void plainTexts(const QString& pattern, int first, int last)
    {
        for (int n = first; n <= last; ++n) {
            const QString relative = pattern.arg(n);
            QStringList lines;
            if (readText(relative, &lines) && lines.join(QString()).trimmed().isEmpty())
                m_report.error(shown(relative), 0, QStringLiteral("empty: the game shows this text whole"));
        }
    }

    void help()
    {
        const QString relative = QStringLiteral("Help/Index.htm");
        if (!present(relative))
            return;
        QFile file(full(relative));
        if (!file.open(QIODevice::ReadOnly) || file.read(MaxTextFileSize).trimmed().isEmpty())
            m_report.error(shown(relative), 0, QStringLiteral("unreadable or empty"));
    }

    void playlist()
    {
        const QString relative = QStringLiteral("Soundtracks/PlayList.grpl");
        QStringList lines;
        if (!readText(relative, &lines))
            return;
        CheckPlaylist(m_report, shown(relative), lines, [this](const QString& trackPath) -> QString {
            // Paths are written as the game opens them, "Data\Soundtracks\...", relative to the game's folder.
            QString relativePath = QString(trackPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!relativePath.startsWith(QStringLiteral("Data/")))
                return QStringLiteral("not under Data\\, so it goes missing when the game is installed elsewhere");
            relativePath = relativePath.mid(5);
            QFile file(full(relativePath));
            if (!QFileInfo(file).isFile())
                return QStringLiteral("no such file");
            if (!file.open(QIODevice::ReadOnly))
                return file.errorString();
            return CheckSoundBytes(relativePath, file.read(16));
        });
    }

    // Every picture under Data must decode within the game's limits.
    void pictures()
    {
        QStringList found;
        QDirIterator it(m_dir.path(), { QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp") },
            QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(m_dir.relativeFilePath(it.next()));
        found.sort();
        for (const QString& relative : found) {
            QFile file(full(relative));
            if (QFileInfo(file).size() > MaxPictureFileSize) {
                m_report.error(shown(relative), 0, QStringLiteral("larger than %1 bytes").arg(MaxPictureFileSize));
                continue;
            }
            if (!file.open(QIODevice::ReadOnly)) {
                m_report.error(shown(relative), 0, file.errorString());
                continue;
            }
            CheckPicture(m_report, shown(relative), file.readAll());
        }
    }

    QDir m_dir;
    QString m_shown;
    bool m_presentOnly;
    Report m_report;
};
}

Report CheckDataFolder(const QString& dataDir, const QString& shownDir, bool presentOnly)
{
    return FolderCheck(dataDir, shownDir, presentOnly).run();
}
