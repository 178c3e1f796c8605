// The bare reference for the time to the first frame: an empty QMainWindow
// of the size given, shown. Ended by first_frame_exit.
//
//   bare_main_window WIDTH HEIGHT
#include <QApplication>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc >= 3)
        window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    return app.exec();
}
