#pragma once
// The skin's pictures, decoded from the program's embedded resources by name
// (regardless of case). A missing name is a program error: every picture the
// program asks for is built in.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <future>
#include <vector>

namespace orva::gui {

QPixmap skinPicture(const QString& name);

// Decodes pictures on a thread of its own while the program starts up (the
// display connection and fonts take as long), then hands them to
// skinPicture's store.
class SkinPreload {
 public:
  explicit SkinPreload(QStringList names);
  // On the GUI thread, once the application object exists: waits for the
  // decoding if it is not done yet.
  void adopt();

 private:
  QStringList names_;
  std::future<std::vector<QImage>> decoded_;
};

// What the main window shows first.
QStringList startupPictures();

}  // namespace orva::gui
