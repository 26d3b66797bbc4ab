#!/usr/bin/env python3
"""Writes the broken fixtures: each folder under broken/ is a Data folder holding one file with one fault.
Run from tests/datacheck; then refresh expected.txt with
    cmake -DCHECKER=<build>/datacheck/datacheck -DEXPECTED=expected.txt -DUPDATE=ON -P CompareFindings.cmake
and read the difference before committing it."""
import os
import shutil
import struct

B = 'broken/'


def w(case, rel, text=None, raw=None):
    p = os.path.join(B, case, rel)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    if raw is None:
        raw = ('\r\n'.join(text) + '\r\n').encode('cp1251')
    open(p, 'wb').write(raw)


def node(line, nxt, out=''):
    return [line, 'Ответ 1', 'Ответ 2', 'Ответ 3', '0', '0', str(nxt[0]), str(nxt[1]), str(nxt[2]), out]


# The start of an Ogg Vorbis stream: a page header and the identification header (stereo, 44100 Hz).
OGG = (b'OggS' + b'\0' * 24 + b'\x01vorbis' + struct.pack('<IBIiiiBB', 0, 2, 44100, 0, 128000, 0, 0xB8, 1))
# A WAV file of four silent points.
WAV = (b'RIFF' + struct.pack('<I', 4 + 24 + 8 + 8) + b'WAVE' + b'fmt ' + struct.pack('<IHHIIHH', 16, 1, 1, 8000, 16000, 2, 16)
       + b'data' + struct.pack('<I', 8) + b'\0' * 8)
# A BMP of 8 × 8 points, 24 bits a point.
BMP = (b'BM' + struct.pack('<IHHI', 54 + 8 * 24, 0, 0, 54) + struct.pack('<IiiHHIIiiII', 40, 8, 8, 1, 24, 0, 8 * 24, 0, 0, 0, 0)
       + bytes(range(8 * 24)))

shutil.rmtree(B, ignore_errors=True)
q = ['Сколько корней у уравнения x*x = 4?#один@два#три', 'Чему равно 2 + 2?#3@4#5',
     'Квадрат гипотенузы равен...@сумме квадратов катетов#разности катетов#произведению катетов']
w('question-no-right-answer', 'Questions/Алгебра.qst', q + ['Корень из 16?#2#3#5'])
w('question-too-few-lines', 'Questions/Алгебра.qst', q[:2])
w('question-missing-mark', 'Questions/Алгебра.qst', q + ['Корень из 16?#2@4 или 5'])
w('question-empty-answer', 'Questions/Алгебра.qst', q + ['Корень из 16?#2@#5'])
w('question-line-too-long', 'Questions/Алгебра.qst', q + ['Вопрос' + '?' * 2000 + '#2@4#5'])
w('encoding-utf8', 'Works/0.txt', raw='Дворник: метёт двор.\r\n'.encode('utf-8'))
w('encoding-byte-order-mark', 'Ending/End1.end', raw=b'\xef\xbb\xbf' + 'Конец.\r\n'.encode('cp1251'))
w('encoding-byte-98', 'Works/1.txt', raw='Баннер.\r\nСтоит у'.encode('cp1251') + b'\x98' + ' дороги.\r\n'.encode('cp1251'))
w('dialog-next-out-of-range', 'Dialogs/Gopniks/GOPNIK.DLG', node('Эй, ты!', (2, 7, 2)) + node('Ладно, иди.', (1, 1, 1), 'win'))
w('dialog-not-a-number', 'MyGOPSTOP/GOPNIK.DLG',
  node('Эй, ты!', (2, 2, 2))[:6] + ['два', '2', '2', ''] + node('Ладно, иди.', (1, 1, 1), 'win'))
w('dialog-unknown-outcome', 'Dialogs/Gopniks/GOPNIK.DLG',
  node('Эй, ты!', (2, 3, 2)) + node('Ладно, иди.', (1, 1, 1), 'Win') + node('Ну, держись!', (1, 1, 1), 'war'))
w('dialog-never-ends', 'Dialogs/Gopniks/GOPNIK.DLG', node('Эй, ты!', (2, 2, 2)) + node('Чего молчишь?', (1, 1, 1)))
w('dialog-unreachable-node', 'Dialogs/Gopniks/GOPNIK.DLG',
  node('Эй, ты!', (2, 2, 2)) + node('Ладно, иди.', (1, 1, 1), 'win') + node('Сюда не попасть.', (1, 1, 1), 'war'))
many = []
for n in range(61):
    many += node('Реплика %d' % (n + 1), (n + 2 if n < 60 else 1, 1, 1))
w('dialog-too-many-nodes', 'MyGOPSTOP/GOPNIK.DLG', many)
mother = ['Разговор с мамой', 'начало', '+начало', 'Привет, сынок!', '-начало', 'Я хожу в школу постоянно голодный',
          'Привет, мам!', 'Допустим, я хочу мобильник...', 'начало', 'начало', 'мобильник',
          '+мобильник', 'Зачем тебе мобильник?', '-мобильник', 'Ну надо!', 'Я решил сесть на диету', 'Ладно, не надо.',
          'начало', 'начало', 'начало']
m = list(mother); m[10] = 'телефон'
w('mother-label-without-block', 'Dialogs/Mother.dlg', m)
m = list(mother); m[13] = '-мобила'
w('mother-missing-end-marker', 'Dialogs/Mother.dlg', m)
m = list(mother); m[5] = 'Я решил сесть на диету'
w('mother-fixed-caption-in-the-wrong-slot', 'Dialogs/Mother.dlg', m)
girl = ['Привет!', '2', 'Привет, как дела?', 'Нормально =)', '1', 'Чё надо?', 'Фу, грубиян.', '0', 'Пойдём в кино?', '1',
        'Пойдём!', '1']
g = list(girl); g[1] = '6'
w('girl-answer-count-out-of-range', 'Girls/0.gdlg', g)
g = list(girl); g[4] = 'один'
w('girl-score-not-a-number', 'Girls/0.gdlg', g)
w('girl-last-node-with-two-answers', 'Girls/0.gdlg',
  girl[:8] + ['Пойдём в кино?', '2', 'Пойдём!', 'Пойдём!', '1', 'Нет.', 'Ну и ладно.', '0'])
w('girl-node-runs-past-the-end', 'Girls/0.gdlg', girl[:8] + ['Пойдём в кино?', '1', 'Пойдём!'])
w('girl-cannot-be-charmed', 'Girls/0.gdlg',
  ['Привет!', '1', 'Чё надо?', 'Фу.', '0', 'Как дела?', '1', 'Никак.', 'Ясно.', '0', 'Пока!', '1', 'Пока!', 'Пока =)',
   '1'])
sms = ['Ответы одноклассников.', "'ПРИВЕТ", '=== привет ===', 'Привет-привет!', 'Здорово!', '-', "'ПОКА", '=== пока ===',
       'Пока!', '-']
s = list(sms); del s[8]
w('sms-empty-block', 'SMS/answer_sms.asms', s)
s = list(sms); s[1] = "'" + "'".join('СЛОВО%d' % i for i in range(31))
w('sms-too-many-keys', 'SMS/answer_sms.asms', s)
s = list(sms); s[6] = "'ДО ЗАВТРА"
w('sms-key-that-can-never-match', 'SMS/answer_sms.asms', s)
w('playlist-missing-track', 'Soundtracks/PlayList.grpl',
  ['Трамбуль: музыка', '1 Утро', 'Data\\Soundtracks\\Utro.ogg', '2 Перемена', 'Data\\Soundtracks\\Peremena.mp3'])
w('playlist-missing-track', 'Soundtracks/Utro.ogg', raw=OGG)
w('playlist-empty-title', 'Soundtracks/PlayList.grpl', ['Трамбуль: музыка', '1 ', 'Data\\Soundtracks\\Utro.ogg'])
w('playlist-empty-title', 'Soundtracks/Utro.ogg', raw=OGG)
w('playlist-track-cut-short', 'Soundtracks/PlayList.grpl',
  ['Трамбуль: музыка', '1 Утро', 'Data\\Soundtracks\\Utro.ogg', '2 Звонок', 'Data\\Soundtracks\\Zvonok.wav'])
w('playlist-track-cut-short', 'Soundtracks/Utro.ogg', raw=OGG[:17])
w('playlist-track-cut-short', 'Soundtracks/Zvonok.wav', raw=WAV[:-6])
w('phone-price-not-a-number', 'Mobiles/Nokia/Nokia 2650/Price.txt', ['2 990 руб.'])
w('ending-empty', 'Ending/End2.end', raw=b'\r\n\r\n')
w('picture-claims-too-many-points', 'Girls/0.jpg', raw=open('../fuzz/regressions/jpeg/header-claims-11075x65497.jpg', 'rb').read())
w('picture-cut-short', 'Mobiles/Nokia/Nokia 3220/Icon.jpg', raw=open('../fuzz/regressions/jpeg/cut-short.jpg', 'rb').read())
w('picture-bmp-cut-in-half', 'Girls/Good.bmp', raw=BMP[:54 + 4 * 24])
w('line-too-long', 'Works/2.txt', ['Курьер: ' + 'разносит почту, ' * 250])
w('encoding-utf8-line', 'Works/3.txt', raw='Грузчик: носит ящики.\r\n'.encode('cp1251') + 'Платят каждый день.\r\n'.encode('utf-8'))

# The shooter's, the fights' and the robbery's pictures and sounds, the credits music, and blocks of the two parsed
# scripts cut short: one fault a case.
MIDI = b'MThd' + struct.pack('>IHHH', 6, 1, 2, 96) + b'MTrk' + struct.pack('>I', 4) + b'\x00\xff\x2f\x00'
for case, rel, raw in [
    ('shooter-sound-unknown-encoding', 'HL2/Pistol_fire.wav', WAV[:20] + struct.pack('<H', 0x1234) + WAV[22:]),
    ('shooter-zombie-not-a-picture', 'HL2/Zombie2.bmp', 'Зомби'.encode('cp1251')),
    ('fight-picture-empty', 'Dialogs/Gopniks/gopnik_fight_2.jpg', b''),
    ('district-cut-short', 'MyGOPSTOP/3_.jpg', open('../fuzz/regressions/jpeg/cut-short.jpg', 'rb').read()),
    ('credits-music-missing-track', 'Soundtracks/Eien_no_melody.mid', MIDI),
    ('mother-block-cut-short', 'Dialogs/Mother.dlg', ('\r\n'.join(mother[:17]) + '\r\n').encode('cp1251')),
    ('sms-block-not-closed', 'SMS/answer_sms.asms', ('\r\n'.join(sms[:5] + sms[6:]) + '\r\n').encode('cp1251')),
]:
    w(case, rel, raw=raw)
