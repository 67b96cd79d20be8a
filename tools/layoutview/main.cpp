// orva_layoutview: renders the pages of the layout files with the artwork
// and the language texts into PNG files, and lists on stderr what overlaps,
// sticks out of the window or has its caption cut.

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "LayoutValues.h"
#include "Options.h"
#include "OverlapReport.h"
#include "PageBuilder.h"
#include "Pictures.h"
#include "Renderer.h"
#include "core/skin/Languages.h"
#include "core/skin/OrgSettings.h"

namespace {

using namespace layoutview;

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void report(const QString& line) { std::fprintf(stderr, "%s\n", qUtf8Printable(line)); }

bool savePng(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
    report("cannot write " + path + ": " + file.errorString());
    return false;
  }
  return true;
}

// Renders one page and reports its problems; false when nothing was written.
bool renderOne(int language, PageId page, const QString& path, const PageContext& base,
               const RenderOptions& renderOptions) {
  const QString prefix =
      QStringLiteral("lang%1 %2: ").arg(language).arg(QString::fromUtf8(pageName(page).data()));
  const LayoutValues layout(language);
  if (!layout.error().empty()) {
    report(prefix + QString::fromStdString(layout.error()));
    return false;
  }
  PageContext context = base;
  context.language = language;
  const Page placed = buildPage(page, context, layout, orva::languageTable(language));
  const std::vector<Overlap> overlaps = findOverlaps(placed);
  for (const QString& line : describeProblems(placed, overlaps)) report(prefix + line);
  for (const std::string& key : layout.takeMissing()) {
    report(prefix + "missing layout key " + QString::fromStdString(key));
  }
  return savePng(renderPage(placed, overlaps, renderOptions), path);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QString error;
  const auto options = parseOptions(app.arguments(), error);
  if (!options) {
    std::fprintf(stderr, "orva_layoutview: %s\n%s", qUtf8Printable(error), kUsage);
    return kExitUsage;
  }
  const orva::OrgSettingsResult settings = orva::LoadOrgSettings();
  if (!settings) {
    report("settings block: " + QString::fromStdString(settings.error));
    return kExitFailed;
  }
  const PageContext context{.webX = settings.settings->Web_X,
                            .webY = settings.settings->Web_Y,
                            .gunOption = settings.settings->GD_Enable};
  const RenderOptions renderOptions{.outline = options->outline};

  bool ok = true;
  if (options->allDir.isEmpty()) {
    ok = renderOne(options->language, *options->page, options->out, context, renderOptions);
  } else {
    if (!QDir().mkpath(options->allDir)) {
      report("cannot create " + options->allDir);
      return kExitFailed;
    }
    for (int language = orva::kFirstLanguage; language <= orva::kLanguageCount; ++language) {
      for (PageId page : kAllPages) {
        const QString path = QDir(options->allDir).filePath(
            QStringLiteral("lang%1-%2.png").arg(language).arg(QString::fromUtf8(pageName(page).data())));
        ok = renderOne(language, page, path, context, renderOptions) && ok;
      }
    }
  }
  for (const QString& name : missingPictures()) report("picture not embedded yet: " + name);
  return ok ? 0 : kExitFailed;
}
