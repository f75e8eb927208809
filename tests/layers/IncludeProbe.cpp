// Built only by the layer tests, against one library, with FORBIDDEN_HEADER a header of a
// folder above or beside that library's: the build must stop at this include.
#include FORBIDDEN_HEADER

int main() {
    return 0;
}
