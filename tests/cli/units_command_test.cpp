// Placeholder: filled in by the change that brings this file's functions.
