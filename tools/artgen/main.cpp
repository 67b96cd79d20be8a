// orva_artgen OUTDIR: draws every skin picture and writes it as
// OUTDIR/<Name>.png.
#include "Catalogue.h"
#include "Verify.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
  // Drawing needs fonts but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: orva_artgen OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "orva_artgen: cannot create %s\n", argv[1]);
    return 1;
  }
  for (const artgen::Picture& picture : artgen::catalogue()) {
    const QImage image = picture.draw();
    if (const QString problem = artgen::problemWith(picture, image); !problem.isEmpty()) {
      std::fprintf(stderr, "orva_artgen: %s: %s\n", qPrintable(picture.name), qPrintable(problem));
      return 1;
    }
    QSaveFile file(out.filePath(picture.name + QStringLiteral(".png")));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
      std::fprintf(stderr, "orva_artgen: cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
