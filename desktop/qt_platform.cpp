#include "desktop/qt_platform.h"

#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "board/assets.h"

namespace {

// Die pictures are made at twice their size.
constexpr qreal kDieScale = 2.0;

// The program's own pictures come in two sizes; a 2x screen takes the "@2x"
// one, whose name tells the reader its pixel ratio.
QPixmap artPixmap(const QString& name) {
  const bool large = qApp->devicePixelRatio() > 1.0;
  return QPixmap(QString(":/art/%1%2.png").arg(name, large ? "@2x" : ""));
}

}  // namespace

QtPlatform::QtPlatform() { clock_.start(); }
QtPlatform::~QtPlatform() = default;

void QtPlatform::attach(QWidget* window, std::function<void()> beforeWait,
                        std::function<void()> halt) {
  window_ = window;
  beforeWait_ = std::move(beforeWait);
  halt_ = std::move(halt);
}

double QtPlatform::secondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double QtPlatform::monotonicSeconds() { return monotonicNanoseconds() / 1e9; }

qint64 QtPlatform::monotonicNanoseconds() { return clock_.nsecsElapsed(); }

// A nested event loop that sleeps until an event comes or a precise timer
// fires at the deadline: no core is spun while the game waits.
void QtPlatform::runEventLoopUntil(double deadline) {
  if (beforeWait_) beforeWait_();
  while (!cancelled_ && !halted_) {
    const double left = deadline - monotonicSeconds();
    if (left <= 0) break;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::chrono::milliseconds(static_cast<long>(std::ceil(left * 1000))));
    waits_.push_back(&loop);
    loop.exec();
    waits_.pop_back();
  }
}

void QtPlatform::cancelWaits() {
  cancelled_ = true;
  for (QEventLoop* loop : waits_) loop->quit();
}

void QtPlatform::seedRandom(double seed) {
  random_.seed(std::bit_cast<std::uint32_t>(static_cast<float>(seed)));
}

double QtPlatform::random() { return std::generate_canonical<double, 32>(random_); }

PictureRef QtPlatform::loadBitmap(int resource) {
  PictureRef& slot = bitmaps_[resource];
  if (!slot) {
    slot =
        std::make_shared<QtPicture>("bitmap " + std::to_string(resource),
                                    artPixmap(QString::fromStdString(bitmap::fileName(resource))));
  }
  return slot;
}

PictureRef QtPlatform::loadPictureFile(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  // An ordinary screen gets the die halved once here, not at every paint.
  if (qApp->devicePixelRatio() <= 1.0)
    image = image.scaled(image.size() / kDieScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  else
    image.setDevicePixelRatio(kDieScale);
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  return std::make_shared<QtPicture>(path, std::move(pixmap));
}

// One player for the whole game, as it were: a new effect cuts the one
// playing. Each file is loaded once, when it is first played.
void QtPlatform::playSound(const std::string& path) {
  if (playing_) playing_->stop();
  std::unique_ptr<QSoundEffect>& effect = sounds_[path];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setVolume(0.5f);
    effect->setSource(
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromStdString(path))));
  }
  playing_ = effect.get();
  playing_->play();
}

void QtPlatform::keepOnTop() {
  if (window_ && !(window_->windowFlags() & Qt::WindowStaysOnTopHint))
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

std::string QtPlatform::upperCase(const std::string& text) {
  return QLocale::system().toUpper(QString::fromStdString(text)).toStdString();
}

void QtPlatform::fatal(const std::string& title, const std::string& text) {
  halted_ = true;
  if (halt_) halt_();
  QString message = QString::fromStdString(text);
  message.replace('\r', '\n');
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), message, QMessageBox::Ok,
                  window_ && window_->isVisible() ? window_ : nullptr);
  box.exec();
  std::_Exit(EXIT_FAILURE);
}

QPixmap QtPlatform::cursorPixmap(int resource) {
  return artPixmap(QString::fromStdString(cursor::fileName(resource)));
}
