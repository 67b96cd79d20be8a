#include "Options.h"

#include <QStringList>

#include "core/skin/Languages.h"

namespace layoutview {

std::optional<Options> parseOptions(const QStringList& arguments, QString& error) {
  Options options;
  bool languageGiven = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--outline") {
      options.outline = true;
      continue;
    }
    const bool takesValue = argument == "--language" || argument == "--page" ||
                            argument == "--out" || argument == "--all";
    if (!takesValue) {
      error = "unknown option " + argument;
      return std::nullopt;
    }
    if (i + 1 >= arguments.size()) {
      error = argument + " needs a value";
      return std::nullopt;
    }
    const QString value = arguments[++i];
    if (argument == "--language") {
      bool ok = false;
      options.language = value.toInt(&ok);
      if (!ok || options.language < orva::kFirstLanguage || options.language > orva::kLanguageCount) {
        error = "language must be 1.." + QString::number(orva::kLanguageCount);
        return std::nullopt;
      }
      languageGiven = true;
    } else if (argument == "--page") {
      options.page = pageFromName(value.toStdString());
      if (!options.page) {
        error = "unknown page " + value;
        return std::nullopt;
      }
    } else if (argument == "--out") {
      options.out = value;
    } else {
      options.allDir = value;
    }
  }
  const bool single = languageGiven || options.page || !options.out.isEmpty();
  if (options.allDir.isEmpty() == !single || (single && (!options.page || options.out.isEmpty()))) {
    error = "give either --page with --out (and --language), or --all";
    return std::nullopt;
  }
  return options;
}

}  // namespace layoutview
