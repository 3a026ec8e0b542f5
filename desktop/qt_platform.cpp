// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/qt_platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImageReader>
#include <QLibrary>
#include <QLocale>
#include <QMessageBox>
#include <QResource>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <utility>

#include "board/assets.h"
#include "desktop/game_texts.h"
#include "desktop/sound_player.h"
#include "flow/game_window.h"
#include "media/complement.h"
#include "media/files.h"
#include "resources/raw_picture.h"

namespace {

// Die pictures are made at twice their size.
constexpr qreal kDieScale = 2.0;
// A die picture is about a hundred pixels a side. A file that claims
// thousands is no die picture: it would only cost memory, and Qt's smooth
// scaler reads past the end of absurdly wide images.
constexpr int kLargestPictureSide = 1024;

QImage readSaneImage(QImageReader& reader) {
  reader.setAllocationLimit(8);  // MiB; a 1024 x 1024 picture takes 4
  const auto tooLarge = [](QSize size) {
    return size.width() > kLargestPictureSide || size.height() > kLargestPictureSide;
  };
  if (tooLarge(reader.size())) return {};
  QImage image = reader.read();
  return tooLarge(image.size()) ? QImage() : image;
}

// A picture kept as bare pixels, used where it lies in the program; a null
// image if there is none of that name.
QImage rawArt(const QString& path) {
  const QResource resource(path);
  RawPictureHeader header;
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() < qint64(sizeof header))
    return {};
  std::memcpy(&header, resource.data(), sizeof header);
  const bool opaque = std::memcmp(header.magic, kOpaque, sizeof header.magic) == 0;
  if ((!opaque && std::memcmp(header.magic, RawPictureHeader().magic, sizeof header.magic) != 0) ||
      resource.size() < qint64(sizeof header) + qint64(header.bytesPerLine) * header.height)
    return {};
  const uchar* pixels = resource.data() + sizeof header;
  QImage image(pixels, int(header.width), int(header.height), header.bytesPerLine,
               opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (reinterpret_cast<quintptr>(pixels) % 4 != 0) image = image.copy();  // rows must be aligned
  return image;
}

// A 2x screen takes the pictures made at twice the size.
bool largeScreen() { return qApp->devicePixelRatio() > 1.0; }

// The program's own pictures come in two sizes; a 2x screen takes the "@2x"
// one. Those of the first frame are bare pixels, the others PNG files.
QPixmap artPixmap(const QString& name) {
  const bool large = largeScreen();
  const QString path = QString(":/art/%1%2").arg(name, large ? "@2x" : "");
  QImage image = rawArt(path + ".argb");
  if (image.isNull()) {
    image.load(path + ".png");
    // Converted where it lies: a copy would double the memory for a moment.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
  }
  image.setDevicePixelRatio(large ? 2.0 : 1.0);
  return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

// A die picture as the board shows it, from the bytes of its decoded file;
// a null image when they are no sane picture. Safe on any thread.
QImage dieImage(const std::string& bytes, bool large) {
  // The die pictures are PNG: read as such, without waking every image
  // format plugin to guess; anything else is still known by its content.
  QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
  QBuffer file(&data);
  file.open(QIODevice::ReadOnly);
  QImageReader png(&file, "png");
  png.setAutoDetectImageFormat(false);
  QImage image = readSaneImage(png);
  if (image.isNull()) {
    file.seek(0);
    QImageReader any(&file);
    any.setDecideFormatFromContent(true);
    image = readSaneImage(any);
  }
  if (image.isNull()) return image;
  // An ordinary screen gets the die halved once here, not at every paint.
  if (!large)
    return image.scaled(image.size() / kDieScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  image.setDevicePixelRatio(kDieScale);
  return image;
}

// The scorecard's die pictures, decoded ahead from the bytes their files
// held then.
struct DecodedAhead {
  std::string bytes;
  QImage image;  // marked 2x for a 2x screen
};
std::future<std::vector<DecodedAhead>> decodingAhead;
std::vector<DecodedAhead> decodedAhead;

// The picture decoded ahead from these very bytes, taken from the store.
QImage takeDecodedAhead(const std::string& bytes, bool large) {
  if (decodingAhead.valid()) decodedAhead = decodingAhead.get();
  for (auto it = decodedAhead.begin(); it != decodedAhead.end(); ++it)
    if ((it->image.devicePixelRatio() > 1.0) == large && it->bytes == bytes) {
      QImage image = std::move(it->image);
      decodedAhead.erase(it);
      return image;
    }
  return {};
}

}  // namespace

const QPixmap& QtPicture::pixmap() const {
  if (!art_.isEmpty()) pixmap_ = artPixmap(std::exchange(art_, QString()));
  return pixmap_;
}

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

// PENTARO_SEED stands in for the time of day: the n-th seeding of the run
// takes the variable's text and n, so the same clicks bring the same dice
// again and a game a player reports can be played over.
void QtPlatform::seedRandom(double seed) {
  if (replay_.isEmpty()) {
    random_.seed(std::bit_cast<std::uint32_t>(static_cast<float>(seed)));
    return;
  }
  std::vector<std::uint32_t> words(replay_.begin(), replay_.end());
  words.push_back(seedings_++);
  std::seed_seq sequence(words.begin(), words.end());
  random_.seed(sequence);
}

double QtPlatform::random() { return std::generate_canonical<double, 32>(random_); }

PictureRef QtPlatform::loadBitmap(int resource) {
  PictureRef& slot = bitmaps_[resource];
  if (!slot) {
    slot = std::make_shared<QtPicture>("bitmap " + std::to_string(resource),
                                       QString::fromStdString(bitmap::fileName(resource)));
  }
  return slot;
}

PictureRef QtPlatform::loadPictureFile(const std::string& path, const std::string& bytes) {
  // Made from the bytes at hand, which are the file's.
  const bool large = largeScreen();
  QImage image = takeDecodedAhead(bytes, large);
  if (image.isNull()) image = dieImage(bytes, large);
  if (image.isNull()) return nullptr;
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  return std::make_shared<QtPicture>(path, std::move(pixmap));
}

void QtPlatform::decodeAhead(const std::string& dataFolder) {
  decodingAhead = std::async(std::launch::async, [dataFolder, large = largeScreen()] {
    std::vector<DecodedAhead> decoded;
    for (int face = 1; face <= kFaces; ++face)
      if (const auto coded = readFileBytes(dataFolder + "/" + uprightDieFile(face))) {
        std::string bytes = complement(*coded);
        QImage image = dieImage(bytes, large);
        decoded.push_back({std::move(bytes), std::move(image)});
      }
    return decoded;
  });
}

QString QtPlatform::soundModuleFolder;

void QtPlatform::setUpSound() {
  if (std::exchange(soundTried_, true)) return;
  const QString folder =
      soundModuleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : soundModuleFolder;
  QLibrary module(folder + "/" + kSoundModule);
  QString whyNot;
  if (auto make = reinterpret_cast<MakeSoundPlayer>(module.resolve(kMakeSoundPlayer)))
    sound_.reset(make(&whyNot));
  else
    whyNot = module.errorString();
  if (!sound_) std::fprintf(stderr, "PENTARO plays no sound: %s\n", qPrintable(whyNot));
}

void QtPlatform::playSound(const std::string& path) {
  setUpSound();
  if (sound_) sound_->play(QDir::current().absoluteFilePath(QString::fromStdString(path)));
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
  std::string message = text;
  std::replace(message.begin(), message.end(), '\r', '\n');
  // In the player's language, when one has been chosen.
  auto shown = [](const std::string& text) {
    return QCoreApplication::translate(kGameTextContext, text.c_str());
  };
  QMessageBox box(QMessageBox::Critical, shown(title), shown(message), QMessageBox::Ok,
                  window_ && window_->isVisible() ? window_ : nullptr);
  box.exec();
  std::_Exit(EXIT_FAILURE);
}

QPixmap QtPlatform::cursorPixmap(int resource) {
  return artPixmap(QString::fromStdString(cursor::fileName(resource)));
}
