#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("ORVA310B Gaming Mouse v1.0");
  window.show();
  return app.exec();
}
