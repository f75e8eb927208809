// The pictures reach the program as Qt resources (":/pictures/<file>.svg"), linked in through
// the resource object library that qt_add_resources attaches to the assets target. This file
// only gives the static library a source of its own.
void initAssets() {}
