// The picture resources are attached to this library by the build; it has no code of its own.
