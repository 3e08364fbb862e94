#ifdef _WIN32
#endif  // _WIN32
