// A fake host module for the binding tests: its module-definition file chooses which
// host names it exports; every one of them is this function.
extern "C" void FakeHostEntry(void) {}
