// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture and synthesises every sound of the game, at build time.
//
//   pentaro-resources ART_DIR DATA_DIR   all pictures, the desktop icons, die
//                                        pictures, sounds, their fingerprint,
//                                        and the first record file if missing
//                                        (in DATA_DIR for the game, in ART_DIR
//                                        for installing: never a played one)
//   pentaro-resources --record DATA_DIR  only the record file, if missing

#include <QCryptographicHash>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "board/assets.h"
#include "board/board.h"
#include "media/complement.h"
#include "resources/art.h"
#include "resources/output.h"
#include "resources/record_file.h"
#include "resources/sounds.h"
#include "resources/wav.h"

namespace fs = std::filesystem;

namespace {

// The data folder's pictures and sounds, with a fingerprint of them all: the
// launcher compares it with a player's copy to see when they have changed.
class DataFolder {
 public:
  explicit DataFolder(fs::path dir) : dir_(std::move(dir)) {}

  void write(const std::string& name, std::string_view bytes) {
    writeFile(dir_ / name, bytes);
    hash_.addData(QByteArrayView(name.data(), qsizetype(name.size() + 1)));  // with its '\0'
    hash_.addData(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  }
  void writeFingerprint() {
    writeFile(dir_ / "data.sha256", hash_.result().toHex().toStdString() + '\n');
  }

 private:
  fs::path dir_;
  QCryptographicHash hash_{QCryptographicHash::Sha256};
};

QImage halved(const QImage& picture) {
  return picture.scaled(picture.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture as the board shows it in `element`: cut to its place, or, where
// the board stretches it, made that size as the window would make it. The
// first frame's pictures are kept so, and never scaled or read beyond what
// shows.
QImage asShown(const QImage& picture, const PictureBox& element, int scale) {
  const Rect place = Board::toPixels(element.windowPlace());
  const QSize size = QSize(place.width, place.height) * scale;
  if (element.stretch) return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return picture.copy(QRect(QPoint(), size.boundedTo(picture.size())));
}

void writeArt(const fs::path& dir) {
  // Each picture is drawn at twice its size for 2x screens ("@2x") and
  // halved for ordinary ones, so neither kind of screen scales at run time.
  // The bitmaps of the first frame are kept as bare pixels: the game paints
  // them without decoding anything.
  const auto save = [&](const std::string& name, const QImage& picture, bool bare = false) {
    const QImage small = halved(picture);
    const auto bytes = bare ? rawBytes : pngBytes;
    const std::string suffix = bare ? ".argb" : ".png";
    writeFile(dir / (name + "@2x" + suffix), bytes(picture));
    writeFile(dir / (name + suffix), bytes(small));
  };
  const auto saveBitmap = [&](bitmap::Number number, const QImage& picture) {
    save(bitmap::fileName(number), picture, std::ranges::count(bitmap::kBarePixels, number) > 0);
  };
  // The same, made to fit one place of the board at each size.
  const Board board;
  const auto saveShown = [&](bitmap::Number number, const QImage& picture,
                             const PictureBox& place) {
    const std::string name = bitmap::fileName(number);
    writeFile(dir / (name + "@2x.argb"), rawBytes(asShown(picture, place, 2)));
    writeFile(dir / (name + ".argb"), rawBytes(asShown(halved(picture), place, 1)));
  };
  saveBitmap(bitmap::kOpenTray, openTray());
  saveBitmap(bitmap::kDiceCup, diceCup());
  saveShown(bitmap::kClosedTray, closedTray(), board.Image1);
  saveBitmap(bitmap::kWoodTile, woodTile());
  saveShown(bitmap::kHoldRowFelt, holdRowFelt(), board.tappeto);
  saveBitmap(bitmap::kTrayTiltedLeft, shakenTray(-1));
  saveBitmap(bitmap::kTrayTiltedRight, shakenTray(+1));
  saveShown(bitmap::kTallCredits, tallCredits(), board.iom);
  saveShown(bitmap::kCreditsBanner, creditsBanner(), board.io2[0]);
  save(cursor::fileName(cursor::kHand), handCursor());
  save(cursor::fileName(cursor::kQuestion), helpCursor());
  save("icon", windowIcon());
  for (int pixels : kAppIconSizes)
    writeFile(dir / ("appicon-" + std::to_string(pixels) + ".png"), pngBytes(appIcon(pixels)));
}

// MC + turn in degrees (three digits) + 0 + face, stored complement-coded.
void writeDice(DataFolder& dir) {
  for (int degrees = 0; degrees < 180; degrees += 30) {
    for (int face = 1; face <= 6; ++face) {
      char name[32];  // room for any int: the sanitizer build checks the worst case
      std::snprintf(name, sizeof name, "MC%03d0%d.EMX", degrees, face);
      dir.write(name, complement(pngBytes(diePicture(face, degrees))));
    }
  }
}

void writeSounds(DataFolder& dir) {
  for (int number = 1; number <= sound::kCount; ++number) {
    const auto effect = static_cast<sound::Effect>(number);
    dir.write(sound::fileName(effect), wavFile(soundEffect(effect)));
  }
}

int usage() {
  std::cerr << "usage: pentaro-resources ART_DIR DATA_DIR\n"
               "       pentaro-resources --record DATA_DIR\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  try {
    if (std::string_view(argv[1]) == "--record") {
      writeRecordIfMissing(argv[2]);
      return 0;
    }
    const fs::path artDir = argv[1];
    const fs::path dataDir = argv[2];
    fs::create_directories(artDir);
    fs::create_directories(dataDir);
    // Fonts need a GUI application, but never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    writeArt(artDir);
    DataFolder data(dataDir);
    writeDice(data);
    writeSounds(data);
    data.writeFingerprint();
    writeRecordIfMissing(dataDir);
    writeRecordIfMissing(artDir);
  } catch (const std::exception& error) {
    std::cerr << "pentaro-resources: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
