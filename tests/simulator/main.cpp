#include "support/QtTestMain.h"

int main(int argc, char** argv) { return balsar::test::RunQtTests(argc, argv); }
