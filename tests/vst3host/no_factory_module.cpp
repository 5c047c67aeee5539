// A loadable module that exports no plug-in factory.
extern "C" __attribute__((visibility("default"))) int notAPlugin()
{
    return 0;
}
