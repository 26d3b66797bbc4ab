#include "core/ContentManifest.h"

const char* ContentFormatText(ContentFormat format)
{
    switch (format) {
    case ContentFormat::Text:
        return "текст Windows-1251";
    case ContentFormat::HelpPage:
        return "страница HTML в Windows-1251";
    case ContentFormat::Picture:
        return "картинка JPEG или BMP";
    case ContentFormat::Sound:
        return "звук WAV или MIDI (системный проигрыватель)";
    case ContentFormat::Playlist:
        return "список мелодий и мелодии из него (MP3, Ogg, MIDI, WAV)";
    case ContentFormat::Questions:
        return "вопросы учителя";
    case ContentFormat::TalkScript:
        return "разговор на улице";
    case ContentFormat::MotherScript:
        return "разговор с мамой";
    case ContentFormat::GirlScript:
        return "разговор с девушкой";
    case ContentFormat::SmsReplies:
        return "ответы на SMS";
    case ContentFormat::PhonePrice:
        return "цена телефона";
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
