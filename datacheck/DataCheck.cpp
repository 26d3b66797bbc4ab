#include "datacheck/DataCheck.h"

#include "game/GameContent.h"

#include "audio/MP3Util.h"
#include "audio/MediaPlayer.h"
#include "audio/OggVorbis.h"
#include "audio/Playlist.h"
#include "audio/SoundDevice.h"
#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "records/Questions.h"
#include "records/SaveFile.h"
#include "street/DialogScript.h"
#include "street/GirlScript.h"
#include "street/SmsReplies.h"
#include "town/MotherScript.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <sys/stat.h>

namespace {
// «text», cut when it is long.
QString Quoted(const QString& text)
{
    constexpr int Longest = 40;
    return QStringLiteral("«%1»").arg(text.size() > Longest ? text.left(Longest) + QStringLiteral("...") : text);
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

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
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
    const QString kind = finding.error ? QStringLiteral("ошибка") : QStringLiteral("предупреждение");
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
        report.error(path, 1, QStringLiteral("файл начинается с метки UTF-8, а игра читает Windows-1251"));
        return;
    }
    const qsizetype firstHigh
        = std::find_if(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; }) - bytes.begin();
    if (firstHigh < bytes.size()) {
        if (IsUtf8(bytes)) {
            report.error(path, LineOfOffset(bytes, firstHigh),
                QStringLiteral("файл записан в UTF-8, а игра читает Windows-1251 (перекодируйте: iconv -f UTF-8 -t "
                               "WINDOWS-1251)"));
            return;
        }
        // A line pasted from a UTF-8 text into a Windows-1251 file: the game shows it as gibberish. Windows-1251
        // Russian never reads as UTF-8 (a capital letter would have to be followed by a sign such as «, a small one by
        // two), so a line with letters beyond ASCII that does is UTF-8.
        int line = 1;
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = start;
            while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
                ++end;
            const QByteArray text = bytes.mid(start, end - start);
            if (std::any_of(text.begin(), text.end(), [](char c) { return uchar(c) >= 0x80; }) && IsUtf8(text))
                report.error(path, line,
                    QStringLiteral(
                        "строка записана в UTF-8 посреди текста в Windows-1251: игра покажет ее кракозябрами"));
            start = end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n'
                ? end + 2
                : end + 1;
            ++line;
        }
    }
    const qsizetype unused = bytes.indexOf('\x98');
    if (unused >= 0)
        report.error(path, LineOfOffset(bytes, unused), QStringLiteral("байта 0x98 нет в Windows-1251"));
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        report.error(path, LineOfOffset(bytes, zero), QStringLiteral("нулевой байт: это не текстовый файл"));
}

void CheckShownLines(Report& report, const QString& path, const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > MaxShownLineLength)
            report.error(path, int(i) + 1,
                QStringLiteral("строка из %1 знаков: окно игры показывает строки не длиннее %2")
                    .arg(lines[i].size())
                    .arg(MaxShownLineLength));
    }
}

void CheckQuestionFile(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.size() < MinQuestionLines)
        report.error(path, 0, QStringLiteral("вопросов: %1, а учитель задает три разных").arg(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int at = int(i) + 1;
        const QString& line = lines[i];
        if (line.size() > MaxQuestionLineLength) {
            report.error(path, at,
                QStringLiteral("строка из %1 знаков: в окно вопроса помещается не больше %2")
                    .arg(line.size())
                    .arg(MaxQuestionLineLength));
            continue;
        }
        if (line.isEmpty()) {
            report.error(path, at, QStringLiteral("пустая строка: учитель задаст ее как вопрос"));
            continue;
        }
        int marks = 0;
        for (QChar c : line)
            marks += c == QLatin1Char('#') || c == QLatin1Char('@');
        const Question question = ParseQuestionLine(line);
        if (marks < 3) {
            report.error(
                path, at, QStringLiteral("знаков перед ответами %1 из трех (# неверный ответ, @ верный)").arg(marks));
            continue;
        }
        if (question.text.trimmed().isEmpty())
            report.error(path, at, QStringLiteral("пустой вопрос"));
        for (int k = 0; k < 3; ++k) {
            if (question.answers[k].trimmed().isEmpty())
                report.error(path, at, QStringLiteral("пустой ответ %1").arg(k + 1));
        }
        if (!question.right[0] && !question.right[1] && !question.right[2])
            report.error(path, at, QStringLiteral("нет верного ответа: отметьте его знаком @"));
        if (marks > 3 && !AfterFourthMark(line).isEmpty())
            report.warning(path, at, QStringLiteral("текст после конца третьего ответа игра не показывает"));
    }
}

void CheckDialogScript(Report& report, const QString& path, const QStringList& lines)
{
    QVector<DialogNode> nodes;
    try {
        nodes = ParseDialogScript(lines, path);
    } catch (const DialogScriptError& error) {
        report.error(path, error.line(), QStringLiteral("разговор испорчен: %1").arg(error.problem()));
        return;
    }
    const int count = int(nodes.size());
    for (int n = 0; n < count; ++n) {
        const DialogNode& node = nodes[n];
        if (!node.outcomeCode.isEmpty() && node.outcome == DialogOutcome::None)
            report.error(path, node.outcomeLine,
                QStringLiteral("реплика %1: неизвестный исход %2 (war, ch1, ch2, ch3, win или пустая строка)")
                    .arg(n + 1)
                    .arg(Quoted(node.outcomeCode)));
    }
    if (nodes[0].outcome != DialogOutcome::None)
        report.warning(
            path, nodes[0].outcomeLine, QStringLiteral("реплика 1 начинает разговор, ее исход игра не выполняет"));
    // A node ends the talk when it has an outcome, except node 1, where the talk starts.
    const auto ends = [&](int n) { return n != 0 && nodes[n].outcome != DialogOutcome::None; };
    // Which nodes a talk can reach: from node 1 through the answers of every node that does not end the talk.
    std::vector<bool> reached(count, false);
    std::vector<int> queue { 0 };
    reached[0] = true;
    while (!queue.empty()) {
        const int n = queue.back();
        queue.pop_back();
        const DialogNode& node = nodes[n];
        if (ends(n))
            continue;
        for (int k = 0; k < 3; ++k) {
            const int next = node.next[k];
            if (next < 1 || next > count) {
                report.error(path, node.nextLines[k],
                    QStringLiteral("реплика %1, ответ %2 ведет к реплике %3, а в разговоре реплики с 1 по %4")
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
    // Which nodes can still lead to an outcome: back from every ending node along the answers.
    std::vector<bool> canEnd(count, false);
    for (int n = 0; n < count; ++n)
        canEnd[n] = ends(n);
    for (bool grew = true; grew;) {
        grew = false;
        for (int n = 0; n < count; ++n) {
            if (canEnd[n])
                continue;
            for (const quint16 next : nodes[n].next) {
                if (next >= 1 && next <= count && canEnd[next - 1]) {
                    canEnd[n] = grew = true;
                    break;
                }
            }
        }
    }
    for (int n = 0; n < count; ++n) {
        if (!reached[n])
            report.warning(path, nodes[n].firstLine, QStringLiteral("до реплики %1 не дойти от реплики 1").arg(n + 1));
        else if (!canEnd[n])
            report.error(path, nodes[n].firstLine,
                QStringLiteral("от реплики %1 разговор уже никогда не закончится: ни один путь не ведет к исходу")
                    .arg(n + 1));
    }
}

void CheckMotherScript(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.size() < 2) {
        report.error(path, 0, QStringLiteral("нет заголовка окна (строка 1) и метки начала разговора (строка 2)"));
        return;
    }
    if (lines[0].isEmpty())
        report.warning(path, 1, QStringLiteral("пустой заголовок окна"));
    const MotherScript script = MotherScript::Parse(lines);
    struct Reference {
        int line;
        QString label;
    };
    std::vector<Reference> references { { 2, script.firstLabel } };
    // The blocks one after another; a start marker inside a block's own lines is only read when an answer leads to
    // its label, and then the talk's own lookup below judges it.
    std::vector<const MotherBlock*> complete;
    int after = 0; // the last line of the block before
    for (const MotherBlock& block : script.blocks) {
        if (block.line <= after)
            continue;
        const QString start = QLatin1Char('+') + block.label;
        if (block.endLine == 0) {
            report.error(path, block.line,
                QStringLiteral("у блока %1 нет метки конца %2")
                    .arg(Quoted(start), Quoted(QLatin1Char('-') + block.label)));
            continue;
        }
        after = block.endLine + 2 * MotherAnswerCount;
        if (!block.hasAnswers) {
            report.error(path, block.endLine,
                QStringLiteral("блок %1 оборван: после метки конца должны стоять три ответа и три метки")
                    .arg(Quoted(start)));
            continue;
        }
        complete.push_back(&block);
        for (int slot = 0; slot < MotherAnswerCount; ++slot) {
            const int captionLine = block.endLine + 1 + slot;
            const QString& caption = block.answers.captions[slot];
            for (int other = 0; other < MotherAnswerCount; ++other) {
                if (other != slot && caption == MotherSlotCaptions[other])
                    report.error(path, captionLine,
                        QStringLiteral("%1 действует только как ответ %2, а ответом %3 это обычный ответ")
                            .arg(Quoted(caption))
                            .arg(other + 1)
                            .arg(slot + 1));
            }
            if (MotherAnswerLeadsOn(slot, caption))
                references.push_back({ captionLine + MotherAnswerCount, block.answers.labels[slot] });
        }
    }
    // Every label an answer leads to must bring answers on screen, as the talk finds them.
    QHash<QString, bool> found;
    for (const Reference& reference : references) {
        auto known = found.find(reference.label);
        if (known == found.end())
            known = found.insert(reference.label, script.hasAnswers(reference.label));
        if (!*known)
            report.error(path, reference.line, QStringLiteral("у метки %1 нет блока").arg(Quoted(reference.label)));
    }
    for (const MotherBlock* block : complete) {
        if (!found.contains(block->label))
            report.warning(
                path, block->line, QStringLiteral("ни один ответ не ведет к блоку %1").arg(Quoted(block->label)));
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
                QStringLiteral("даже после лучших ответов симпатия здесь %1, а ниже %2 девушка уходит")
                    .arg(Liking(best, given))
                    .arg(LikingLimit));
            return;
        }
    }
}

void CheckSmsReplies(Report& report, const QString& path, const QStringList& lines)
{
    const SmsReplyFile file = SmsReplyFile::Parse(lines);
    for (const SmsReplyBlock& block : file.blocks) {
        if (block.keys.size() > SmsMaxWords)
            report.error(path, block.line,
                QStringLiteral("ключей %1, а игра смотрит только первые %2").arg(block.keys.size()).arg(SmsMaxWords));
        for (const QString& key : block.keys) {
            const auto separator = std::find_if(key.begin(), key.end(), IsSmsSeparator);
            if (separator != key.end())
                report.error(path, block.line,
                    QStringLiteral(
                        "в ключе %1 стоит %2, а этот знак делит сообщение на слова: ключ никогда не совпадет")
                        .arg(Quoted(key), Quoted(QString(*separator))));
        }
        if (!block.hasHeader) {
            report.error(path, block.line,
                QStringLiteral("пустой блок: за ключами должны идти строка заголовка и ответы до строки «-»"));
            continue;
        }
        // A key line among the replies is the next block, which the phone would also send as a reply.
        const int first = block.line + 1; // the first reply's index
        int own = 0;
        while (own < block.replyCount && !lines[first + own].startsWith(QLatin1Char('\'')))
            ++own;
        if (own == 0)
            report.error(path, block.line, QStringLiteral("пустой блок: до строки «-» нет ни одного ответа"));
        else if (own < block.replyCount || block.endLine == 0)
            report.error(path, block.line, QStringLiteral("блок не закрыт строкой «-»"));
        for (int r = 0; r < own; ++r) {
            if (lines[first + r].size() > SmsLength)
                report.warning(path, first + r + 1,
                    QStringLiteral("ответ из %1 знаков, а в SMS помещается %2")
                        .arg(lines[first + r].size())
                        .arg(SmsLength));
        }
    }
}

void CheckPrice(Report& report, const QString& path, const QStringList& lines)
{
    if (lines.isEmpty()) {
        report.error(path, 0, QStringLiteral("файл пуст, а в первой строке должна стоять цена в рублях"));
        return;
    }
    if (!IsInteger(lines[0]))
        report.error(path, 1, QStringLiteral("цена %1 не целое число").arg(Quoted(lines[0])));
    else if (StrToInt(lines[0]) <= 0)
        report.error(path, 1, QStringLiteral("цена %1 не больше нуля").arg(lines[0]));
}

void CheckSavedGame(Report& report, const QString& path, const QStringList& lines)
{
    const QString problem = CheckSavedGameLines(lines);
    if (!problem.isEmpty())
        report.error(path, 0, problem);
}

namespace {
quint32 Little(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = value << 8 | uchar(bytes[at + k]);
    return value;
}

quint32 Big(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int k = 0; k < size; ++k)
        value = value << 8 | uchar(bytes[at + k]);
    return value;
}

// The bytes an uncompressed BMP needs for all its points (0 when the header tells too little to say).
qint64 BmpBytesNeeded(const QByteArray& bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    const qint64 pixelsAt = Little(bytes, 10, 4);
    const quint32 headerSize = Little(bytes, 14, 4);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = Little(bytes, 18, 2);
        height = Little(bytes, 20, 2);
        bits = Little(bytes, 24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        width = qint32(Little(bytes, 18, 4));
        height = qint32(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
    } else {
        return 0;
    }
    const bool uncompressed = compression == 0 || compression == 3; // plain rows, or rows with bit masks
    if (!uncompressed || width <= 0 || width > MaxPictureSide || bits == 0 || bits > 32)
        return 0;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return pixelsAt + rowBytes * std::min<qint64>(std::abs(height), MaxPictureSide);
}

// The chunks of a RIFF (WAV) or MIDI file lie end to end; false when one claims more bytes than the file has left.
// Counts the chunks named `wanted` in *found.
// `littleEndian` chunk sizes for RIFF, big-endian ones for MIDI; `first` is where the first chunk starts.
bool ChunksFit(const QByteArray& bytes, qsizetype first, bool littleEndian, const char* wanted, int* found)
{
    *found = 0;
    qint64 at = first;
    while (at + 8 <= bytes.size()) {
        const qint64 size = littleEndian ? Little(bytes, at + 4, 4) : Big(bytes, at + 4, 4);
        if (bytes.mid(at, 4) == wanted)
            ++*found;
        if (at + 8 + size > bytes.size())
            return false;
        at += 8 + size + (littleEndian ? size % 2 : 0); // RIFF chunks are padded to an even size
    }
    return true; // a few bytes after the last chunk are no chunk, and the players pass over them
}
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
        return;
    }
    // The picture reader fills the missing rows of a BMP cut short, and the window would show it cut.
    const qint64 needed = BmpBytesNeeded(bytes);
    if (bytes.size() < needed)
        report.error(path, 0,
            QStringLiteral("картинка обрывается: в файле %1 байт, а ее точкам нужно %2").arg(bytes.size()).arg(needed));
}

QString CheckSound(const QString& path, const QByteArray& bytes)
{
    // The player is chosen by the type, as the game chooses it: MP3 and Ogg go to the compressed-audio player, which
    // opens them with the stream readers; MIDI and WAV go to the media player.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("ogg")) {
        TOggVorbis stream;
        stream.Read(AsBytes(bytes));
        return stream.Valid ? QString()
                            : QStringLiteral("это не поток Ogg Vorbis или он испорчен: игра его не сыграет");
    }
    if (suffix == QLatin1String("mp3")) {
        TMP3Info stream;
        stream.Read(AsBytes(bytes));
        return stream.FrameFound ? QString()
                                 : QStringLiteral("в начале файла нет ни одного кадра MP3: игра его не сыграет");
    }
    int found = 0;
    if (suffix == QLatin1String("mid")) {
        if (bytes.size() < 14 || !bytes.startsWith("MThd"))
            return QStringLiteral("это не файл MIDI");
        const bool whole = ChunksFit(bytes, 0, false, "MTrk", &found);
        if (!whole || found < int(Big(bytes, 10, 2)))
            return QStringLiteral("файл MIDI обрывается: в нем не все дорожки, которые он объявляет");
        return {};
    }
    if (suffix == QLatin1String("wav")) {
        if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
            return QStringLiteral("это не файл WAV");
        if (!ChunksFit(bytes, 12, true, "data", &found) || found == 0)
            return QStringLiteral("файл WAV обрывается: звука в нем меньше, чем объявлено");
        return {};
    }
    return QStringLiteral("такие файлы игра не играет (только mp3, ogg, mid, wav)");
}

QString PlayProblem(const QString& path, const QByteArray& bytes)
{
    const QString problem = CheckSound(path, bytes);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!problem.isEmpty() || (suffix != QLatin1String("mid") && suffix != QLatin1String("wav")))
        return problem;
    // The system media player opens it on the sound device, as the game does; without a device only the file's chunks
    // above are checked.
    if (!SoundDevice::Shared().Open())
        return {};
    TMediaPlayer player;
    player.SetFileName(QFileInfo(path).absoluteFilePath());
    player.Open();
    return player.IsOpen() ? QString()
                           : QStringLiteral("системный проигрыватель его не открывает: игра его не сыграет");
}

QString ContentRelativePath(const QString& gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString data = QStringLiteral("Data/");
    return path.startsWith(data) ? path.mid(data.size()) : path;
}

void CheckPlaylist(Report& report, const QString& path, const QStringList& lines,
    const std::function<QString(const QString&)>& trackProblem)
{
    // Read as the game reads its default playlist at start-up, empty title lines included.
    const Playlist playlist = ParsePlaylist(lines, false);
    if (playlist.titles.isEmpty())
        report.error(path, 0,
            QStringLiteral("нет ни одной мелодии: после строки заголовка идут строка названия и строка пути к файлу"));
    for (qsizetype i = 0; i < playlist.titles.size(); ++i) {
        const int titleLine = playlist.titleLines[i];
        const QString& titleText = lines[titleLine - 1];
        if (!titleText.contains(QLatin1Char(' ')))
            report.error(path, titleLine,
                QStringLiteral("в строке названия %1 нет пробела: название - то, что стоит после первого пробела")
                    .arg(Quoted(titleText)));
        else if (playlist.titles[i].trimmed().isEmpty())
            report.error(path, titleLine, QStringLiteral("пустое название"));
        if (titleLine >= lines.size()) {
            report.error(path, titleLine, QStringLiteral("файл кончается на названии: нет строки пути к файлу"));
            continue;
        }
        const QString problem = trackProblem(playlist.paths[i]);
        if (!problem.isEmpty())
            report.error(path, titleLine + 1, QStringLiteral("%1: %2").arg(Quoted(playlist.paths[i]), problem));
    }
}

namespace {
// The largest music file read; the shipped tracks are a few megabytes.
constexpr qint64 MaxTrackFileSize = 64 * 1024 * 1024;

// What a path that is neither a file nor a folder is, in a word.
QString SpecialFileKind(const QString& path)
{
    struct stat status { };
    if (stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISFIFO(status.st_mode))
            return QStringLiteral("канал");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return QStringLiteral("устройство");
        if (S_ISSOCK(status.st_mode))
            return QStringLiteral("сокет");
    }
    return QStringLiteral("особый файл");
}

// What reading one file gave: its bytes, or what is wrong with it.
struct FileRead {
    QByteArray bytes;
    QString problem; // empty when the bytes are all there
    bool missing = false;
};

// Reads a file at most `limit` bytes long. Only a regular file is opened, so a folder, a pipe or a device (a link to
// /dev/zero, say) is reported as what it is and never read; the reading stops at the limit whatever the file claims.
FileRead ReadFileBounded(const QString& path, qint64 limit)
{
    FileRead read;
    const QFileInfo info(path);
    if (!info.exists()) {
        read.missing = !info.isSymLink();
        read.problem = read.missing ? QStringLiteral("файла нет, а игра его читает")
                                    : QStringLiteral("ссылка ведет на файл, которого нет");
        return read;
    }
    if (info.isDir()) {
        read.problem = QStringLiteral("это папка, а игра читает здесь файл");
        return read;
    }
    if (!info.isFile()) {
        read.problem = QStringLiteral("это %1, а не файл: игра его не прочитает").arg(SpecialFileKind(path));
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = QStringLiteral("файл не открывается: %1").arg(file.errorString());
        return read;
    }
    while (read.bytes.size() <= limit) {
        const QByteArray chunk = file.read(std::min<qint64>(64 * 1024, limit + 1 - read.bytes.size()));
        if (chunk.isEmpty())
            break;
        read.bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        read.problem = QStringLiteral("файл не читается: %1").arg(file.errorString());
    else if (read.bytes.size() > limit)
        read.problem = QStringLiteral("файл больше %1 байт: игра такой не читает").arg(limit);
    if (!read.problem.isEmpty())
        read.bytes.clear();
    return read;
}

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
        for (const ContentEntry* entry : EveryContentEntry()) {
            for (const QString& gamePath : entry->paths())
                check(entry->format, ContentRelativePath(gamePath));
        }
        otherPictures();
        return m_report;
    }

private:
    QString full(const QString& relative) const { return m_dir.filePath(relative); }
    QString shown(const QString& relative) const { return m_shown + QLatin1Char('/') + relative; }

    // Reads a file the game reads; false, with the finding made, when it cannot be read whole. A missing file is
    // passed over in silence when only the present files are checked.
    bool read(const QString& relative, qint64 limit, QByteArray* bytes)
    {
        FileRead file = ReadFileBounded(full(relative), limit);
        if (file.problem.isEmpty()) {
            *bytes = std::move(file.bytes);
            return true;
        }
        if (!(file.missing && m_presentOnly))
            m_report.error(shown(relative), 0, file.problem);
        return false;
    }

    // Reads a text file as the game does, after checking its encoding and the length of its lines (question files
    // have a stricter limit of their own).
    bool readText(const QString& relative, QStringList* lines, bool shownInWindow = true)
    {
        QByteArray bytes;
        if (!read(relative, MaxTextFileSize, &bytes))
            return false;
        CheckEncoding(m_report, shown(relative), bytes);
        *lines = SplitLines(Decode1251(bytes));
        if (shownInWindow)
            CheckShownLines(m_report, shown(relative), *lines);
        return true;
    }

    void picture(const QString& relative)
    {
        m_pictures.insert(relative);
        QByteArray bytes;
        if (read(relative, MaxPictureFileSize, &bytes))
            CheckPicture(m_report, shown(relative), bytes);
    }

    // Reads one file of the manifest with the reader of its format.
    void check(ContentFormat format, const QString& relative)
    {
        QStringList lines;
        switch (format) {
        case ContentFormat::Text:
            if (readText(relative, &lines) && lines.join(QString()).trimmed().isEmpty())
                m_report.error(shown(relative), 0, QStringLiteral("файл пуст, а игра показывает этот текст"));
            return;
        case ContentFormat::HelpPage: {
            QByteArray bytes;
            if (read(relative, MaxTextFileSize, &bytes) && bytes.trimmed().isEmpty())
                m_report.error(shown(relative), 0, QStringLiteral("страница помощи пуста"));
            return;
        }
        case ContentFormat::Picture:
            picture(relative);
            return;
        case ContentFormat::Sound: {
            const FileRead file = ReadFileBounded(full(relative), MaxMediaFileSize);
            if (file.missing && m_presentOnly)
                return;
            const QString problem = file.problem.isEmpty() ? PlayProblem(full(relative), file.bytes) : file.problem;
            if (!problem.isEmpty())
                m_report.error(shown(relative), 0, problem);
            return;
        }
        case ContentFormat::Playlist:
            playlist(relative);
            return;
        case ContentFormat::Questions:
            if (readText(relative, &lines, false))
                CheckQuestionFile(m_report, shown(relative), lines);
            return;
        case ContentFormat::TalkScript:
            if (readText(relative, &lines))
                CheckDialogScript(m_report, shown(relative), lines);
            return;
        case ContentFormat::MotherScript:
            if (readText(relative, &lines))
                CheckMotherScript(m_report, shown(relative), lines);
            return;
        case ContentFormat::GirlScript:
            if (readText(relative, &lines))
                CheckGirlScript(m_report, shown(relative), lines);
            return;
        case ContentFormat::SmsReplies:
            if (readText(relative, &lines))
                CheckSmsReplies(m_report, shown(relative), lines);
            return;
        case ContentFormat::PhonePrice:
            if (readText(relative, &lines))
                CheckPrice(m_report, shown(relative), lines);
            return;
        }
    }

    void playlist(const QString& relative)
    {
        QStringList lines;
        if (!readText(relative, &lines))
            return;
        CheckPlaylist(m_report, shown(relative), lines, [this](const QString& trackPath) -> QString {
            // Paths are written as the game opens them, "Data\Soundtracks\...", relative to the game's folder.
            QString relativePath = QString(trackPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!relativePath.startsWith(QStringLiteral("Data/")))
                return QStringLiteral("путь не начинается с Data\\: у установленной игры мелодия пропадет");
            relativePath = relativePath.mid(5);
            const FileRead file = ReadFileBounded(full(relativePath), MaxTrackFileSize);
            return file.problem.isEmpty() ? PlayProblem(full(relativePath), file.bytes) : file.problem;
        });
    }

    // Every other picture under Data must decode within the game's limits too; pipes and devices named like pictures
    // are listed so that they are reported, never read.
    void otherPictures()
    {
        QStringList found;
        QDirIterator it(m_dir.path(), { QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp") },
            QDir::Files | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = m_dir.relativeFilePath(it.next());
            if (!m_pictures.contains(relative))
                found.append(relative);
        }
        found.sort();
        for (const QString& relative : found)
            picture(relative);
    }

    QDir m_dir;
    QString m_shown;
    bool m_presentOnly;
    Report m_report;
    QSet<QString> m_pictures; // those checked already
};
}

Report CheckDataFolder(const QString& dataDir, const QString& shownDir, bool presentOnly)
{
    return FolderCheck(dataDir, shownDir, presentOnly).run();
}

QString ManifestTable()
{
    QString table = QStringLiteral("| under `Data/` | files | format (reader) | window |\n|---|---|---|---|\n");
    for (const ContentEntry* entry : EveryContentEntry()) {
        QString pattern = ContentRelativePath(entry->path());
        pattern.replace(QStringLiteral("%1"), QStringLiteral("*")).replace(QStringLiteral("%2"), QStringLiteral("*"));
        table += QStringLiteral("| `%1` | %2 | %3 | %4 |\n")
                     .arg(pattern, QString::number(entry->paths().size()),
                         QString::fromUtf8(ContentFormatText(entry->format)), QString::fromUtf8(entry->window));
    }
    return table;
}
