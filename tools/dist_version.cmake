# Included right after project(Dorvanix) by the release build (CMAKE_PROJECT_Dorvanix_INCLUDE): hands the
# project's version to tools/make_dist.sh, so the zip's name never needs a second copy of it.
file(WRITE "${PROJECT_BINARY_DIR}/dorvanix_version.txt" "${PROJECT_VERSION}\n")
