// A module that holds nothing but its resources and one function whose address lies inside it.
extern "C" __attribute__ ((visibility ("default"))) int RSTestModuleAnchor () { return 1; }
