#include "core/ContentManifest.h"

const char* ContentFormatText(ContentFormat format)
{
    switch (format) {
    case ContentFormat::Text:
        return "Windows-1251 text (ReadLines1251)";
    case ContentFormat::HelpPage:
        return "Windows-1251 HTML (the help browser)";
    case ContentFormat::Picture:
        return "JPEG or BMP picture (LoadPicture)";
    case ContentFormat::Sound:
        return "WAV or MIDI (the system media player)";
    case ContentFormat::Playlist:
        return "playlist (ReadPlaylist) and its MP3, Ogg, MIDI or WAV tracks";
    case ContentFormat::Questions:
        return "questions (LoadQuestionFile)";
    case ContentFormat::TalkScript:
        return "street talk (DialogScript)";
    case ContentFormat::MotherScript:
        return "the mother's talk (MotherScript)";
    case ContentFormat::GirlScript:
        return "a girl's talk (GirlScript)";
    case ContentFormat::SmsReplies:
        return "SMS replies (SmsReplyFile)";
    case ContentFormat::PhonePrice:
        return "phone price (ReadPhoneModel)";
    }
    return "";
}

QStringList ContentEntry::paths() const
{
    if (!members)
        return { path() };
    QStringList all;
    for (const QStringList& arguments : members()) {
        QString member = path();
        for (const QString& argument : arguments)
            member = member.arg(argument);
        all.append(member);
    }
    return all;
}
