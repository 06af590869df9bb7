// bench_core_floor: a bare QCoreApplication program that exits at once, the
// floor for tilewright-cli as a whole process.
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
