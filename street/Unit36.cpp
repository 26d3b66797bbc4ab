#include "street/Unit36.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/Guarded.h"
#include "core/Look.h"
#include "core/Picture.h"
#include "street/ClickPicture.h"
#include "street/StreetContent.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {
const QString Title1 = StreetContent::ShooterTitle.path(1);
const QString Title2 = StreetContent::ShooterTitle.path(2);
const QString Intro = StreetContent::ShooterIntro.path();
const QString Playfield = StreetContent::ShooterField.path();
const QString ZombieHit = StreetContent::ZombieHit.path();
QString ZombieFrame(int frame) { return StreetContent::ZombieFrame.path(frame); }

// Where the zombies stand, far away.
constexpr std::array<QPoint, ZombieCount> ZombiePlaces { { { 144, 224 }, { 200, 200 }, { 296, 200 }, { 360, 200 },
    { 424, 224 } } };
constexpr int TitlePeriod = 3000;
constexpr int ClockPeriod = 1000;
constexpr int FirstAdvancePeriod = 300;
// The pause that shows a hit zombie, and the one before "GAME OVER".
constexpr int HitPause = 150;
constexpr int GameOverPause = 1000;

// A zombie's picture is drawn on a ground of one colour, the colour of its bottom-left corner; that ground is left
// out, so zombies that come close over each other hide only each other's bodies.
QImage WithoutGround(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == ground)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    SetBold(button);
    return button;
}

QLabel* MakeText(QWidget* parent, const QString& text, QRect geometry, int pixelSize)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    SetHeading(label, pixelSize);
    SetTextColor(label, Palette::Red);
    AddShadow(label, Palette::Black);
    return label;
}
}

TForm36::TForm36(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("GRELN_x's   HALF-LIFE 2"), QSize(640, 480), WindowFrame::NoCloseBox)
{
    SetBackground(this, Palette::Black);
    Image1 = new ClickPicture(this);
    Image1->setGeometry(0, 0, 640, 480);
    Image1->setAccessibleName(QStringLiteral("Экран игры"));
    for (int i = 0; i < ZombieCount; ++i) {
        Zombies[i] = new ClickPicture(this);
        Zombies[i]->setGeometry(QRect(ZombiePlaces[i], ZombieAtRest));
        Zombies[i]->setAccessibleName(QStringLiteral("Зомби"));
        ConnectGuarded(Zombies[i], &ClickPicture::pressed, this, [this, i] { ZombieClick(i); });
    }
    gunImage = new PictureBox(this);
    gunImage->setGeometry(380, 300, 200, 180);
    gunImage->setAccessibleName(QStringLiteral("Пистолет"));
    gunImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    girlImage = new PictureBox(this);
    girlImage->setGeometry(20, 150, 200, 310);
    girlImage->setAccessibleName(QStringLiteral("Спасенная девушка"));

    ZombieCountdown = new QLabel(QString::number(m_shooter.secondsLeft()), this);
    ZombieCountdown->setGeometry(540, 10, 90, 40);
    ZombieCountdown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ZombieCountdown->setAccessibleDescription(QStringLiteral("Секунд до спасения"));
    SetHeading(ZombieCountdown, 30);
    SetTextColor(ZombieCountdown, Palette::LampLight);
    AddShadow(ZombieCountdown, Palette::Black);

    Label1 = MakeText(this, QStringLiteral("--- GAME OVER ---"), QRect(0, 150, 640, 60), 44);
    Label2 = MakeText(this, QStringLiteral("Попробовать сначала?"), QRect(0, 215, 640, 40), 26);
    Label3 = new QLabel(QStringLiteral("Фуф, кажется, они наконец-то закончились. Знаешь, Гордон, я хочу сказать "
                                       "спасибо. Ты спас меня. Не знаю, что бы со мной было бы, если бы не ты... "
                                       "ЧМОК! Поцелуй меня!"),
        this);
    Label3->setGeometry(240, 170, 380, 180);
    Label3->setWordWrap(true);
    Label3->setMargin(12);
    SetBold(Label3, 2);
    MakePanel(Label3);

    Button1 = MakeButton(this, QStringLiteral("Новая игра"), QRect(230, 380, 180, 34));
    Button2 = MakeButton(this, QStringLiteral("Выход"), QRect(230, 424, 180, 34));
    Button3 = MakeButton(this, QStringLiteral("Не хочу играть!"), QRect(10, 10, 170, 34));
    Button4 = MakeButton(this, QStringLiteral("ДА"), QRect(220, 280, 90, 34));
    Button5 = MakeButton(this, QStringLiteral("НЕТ"), QRect(330, 280, 90, 34));
    Button6 = MakeButton(this, QStringLiteral("-- Поцеловать --"), QRect(340, 370, 180, 34));

    Timer1 = new QTimer(this);
    Timer1->setInterval(TitlePeriod);
    Timer2 = new QTimer(this);
    Timer2->setInterval(ClockPeriod);
    Timer3 = new QTimer(this);
    Timer3->setInterval(FirstAdvancePeriod);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm36::Timer1Timer);
    ConnectGuarded(Timer2, &QTimer::timeout, this, &TForm36::Timer2Timer);
    ConnectGuarded(Timer3, &QTimer::timeout, this, &TForm36::Timer3Timer);
    ConnectGuarded(Image1, &ClickPicture::pressed, this, &TForm36::Image1Click);
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TForm36::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TForm36::Cancel);
    ConnectGuarded(Button3, &QPushButton::clicked, this, &TForm36::Cancel);
    ConnectGuarded(Button4, &QPushButton::clicked, this, &TForm36::Button4Click);
    ConnectGuarded(Button5, &QPushButton::clicked, this, &TForm36::Cancel);
    ConnectGuarded(Button6, &QPushButton::clicked, this, &TForm36::Button6Click);

    MediaPlayer1.SetFileName(StreetContent::ShotSound.path());
    MediaPlayer2.SetFileName(StreetContent::ZombieDeathSound.path());

    NameControls({ { Image1, "Image1" }, { gunImage, "gunImage" }, { girlImage, "girlImage" },
        { ZombieCountdown, "ZombieCountdown" }, { Label1, "Label1" }, { Label2, "Label2" }, { Label3, "Label3" },
        { Button1, "Button1" }, { Button2, "Button2" }, { Button3, "Button3" }, { Button4, "Button4" },
        { Button5, "Button5" }, { Button6, "Button6" }, { Timer1, "Timer1" }, { Timer2, "Timer2" },
        { Timer3, "Timer3" } });
    static const char* const zombieNames[ZombieCount] = { "Zombie1", "Zombie2", "Zombie3", "Zombie4", "Zombie5" };
    for (int i = 0; i < ZombieCount; ++i)
        NameControls({ { Zombies[i], zombieNames[i] } });
}

ModalResult TForm36::Start()
{
    m_shooter.StartAfresh();
    return ui().showModal(*this);
}

void TForm36::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    RunGuarded([this] { FormShow(); });
}

void TForm36::loadContent()
{
    if (m_contentLoaded)
        return;
    m_contentLoaded = true;
    // The clips are opened once, so a shot sounds at once.
    MediaPlayer1.Open();
    MediaPlayer2.Open();
    // A missing picture leaves its place empty; the game can still be played.
    for (const QString& message : loadPictures())
        ui().errorBox(message);
}

QStringList TForm36::loadPictures()
{
    QStringList errors;
    auto load = [&](const QString& path, bool zombie) {
        try {
            const QImage image = LoadPicture(DataPath(path));
            m_pictures.insert(path, zombie ? WithoutGround(image) : image);
        } catch (const EInOutError& error) {
            m_pictures.insert(path, QImage());
            errors.append(error.message());
        }
    };
    for (const QString& path : { Title1, Title2, Intro, Playfield })
        load(path, false);
    for (const QString& path : { ZombieHit, ZombieFrame(1), ZombieFrame(2), ZombieFrame(3) })
        load(path, true);
    return errors;
}

// The player heard of a failing picture at the first showing; pictures read again for a later game fail quietly.
QImage TForm36::picture(const QString& gamePath)
{
    if (m_pictures.isEmpty() && m_contentLoaded)
        loadPictures();
    return m_pictures.value(gamePath);
}

void TForm36::FormShow()
{
    if (!m_shooter.BeginShow())
        return;
    for (QWidget* widget : std::initializer_list<QWidget*> { Button1, Button2, Button3, Button4, Button5, Button6,
             ZombieCountdown, Label1, Label2, Label3, girlImage, gunImage })
        widget->hide();
    for (ClickPicture* zombie : Zombies) {
        zombie->hide();
        zombie->resize(ZombieAtRest);
    }
    stopTimers();
    loadContent();
    showBackground(Title1);
    Timer1->start();
}

// The titles: Title1 at once and again after 3 s, Title2 after 6 s, the intro with its buttons after 9 s.
void TForm36::Timer1Timer()
{
    if (!m_shooter.TitleBeat())
        return;
    switch (m_shooter.title()) {
    case ShooterTitle::Title1:
        showBackground(Title1);
        break;
    case ShooterTitle::Title2:
        showBackground(Title2);
        break;
    case ShooterTitle::Intro:
        showBackground(Intro);
        Button1->show();
        Button2->show();
        Timer1->stop();
        break;
    case ShooterTitle::None:
    case ShooterTitle::Playing:
        break;
    }
}

void TForm36::Button1Click()
{
    m_shooter.BeginPlay();
    showBackground(Playfield);
    Button1->hide();
    Button2->hide();
    for (QWidget* widget : std::initializer_list<QWidget*> { Button3, ZombieCountdown, gunImage })
        widget->show();
    for (ClickPicture* zombie : Zombies)
        zombie->show();
    gunImage->raise();
    if (gunImage->pixmap().isNull())
        gunImage->setArt(QStringLiteral(":/art/gun.svg"));
    Timer2->start();
    Timer3->start();
}

// One second of the countdown; at 0 the zombies are gone and the girl is saved.
void TForm36::Timer2Timer()
{
    const bool saved = m_shooter.CountdownBeat();
    ZombieCountdown->setText(QString::number(m_shooter.secondsLeft()));
    if (!saved)
        return;
    stopTimers();
    ZombieCountdown->hide();
    gunImage->hide();
    for (ClickPicture* zombie : Zombies)
        zombie->hide();
    if (girlImage->pixmap().isNull())
        girlImage->setArt(QStringLiteral(":/art/rescued_girl.svg"));
    girlImage->show();
    Label3->show();
    Button6->show();
}

// One step of the zombies; the nearer the end of the countdown, the faster they come.
void TForm36::Timer3Timer()
{
    const bool reached = m_shooter.AdvanceBeat();
    for (int i = 0; i < ZombieCount; ++i) {
        Zombies[i]->resize(m_shooter.zombie(i).size);
        showZombie(i, ZombieFrame(m_shooter.zombie(i).frame));
    }
    if (reached) {
        stopTimers();
        ui().sleep(GameOverPause);
        for (QWidget* widget : std::initializer_list<QWidget*> { Label1, Label2, Button4, Button5 }) {
            widget->show();
            widget->raise();
        }
    }
    Timer3->setInterval(m_shooter.advanceInterval());
}

void TForm36::Button4Click() { FormShow(); }

void TForm36::Image1Click()
{
    if (!m_shooter.shooting())
        return;
    MediaPlayer1.Rewind();
    MediaPlayer1.Play();
}

// A hit: the zombie falls and comes again from far away with the next step.
void TForm36::ZombieClick(int index)
{
    MediaPlayer1.Rewind();
    MediaPlayer1.Play();
    MediaPlayer2.Rewind();
    MediaPlayer2.Play();
    showZombie(index, ZombieHit);
    Zombies[index]->repaint();
    ui().sleep(HitPause);
    m_shooter.Hit(index);
    Zombies[index]->resize(ZombieAtRest);
}

void TForm36::Cancel() { closeWith(ModalResult::Cancel); }

void TForm36::Button6Click() { closeWith(ModalResult::Ok); }

void TForm36::done(int result)
{
    stopTimers();
    TGameWindow::done(result);
    // The pictures leave memory with the window; the next game reads them again.
    m_pictures.clear();
    Image1->setImage(QImage());
    for (ClickPicture* zombie : Zombies)
        zombie->setImage(QImage());
}

void TForm36::showBackground(const QString& gamePath) { Image1->setImage(picture(gamePath)); }

void TForm36::showZombie(int index, const QString& gamePath) { Zombies[index]->setImage(picture(gamePath)); }

void TForm36::stopTimers()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
}
