// dabwick-assets: builds the program's built-in content from the editable sources in assets/.
// Usage: dabwick-assets <assets folder> <output folder>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "BuiltResource.h"
#include "ResourceTableWriter.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <assets folder> <output folder>\n", argv[0]);
        return 2;
    }
    // Fonts, which the lettering clips are drawn from, need the application's font database.
    const QGuiApplication application(argc, argv);
    try {
        std::vector<assets::BuiltResource> all;
        for (const assets::Builder& builder : assets::allBuilders()) {
            std::vector<assets::BuiltResource> built = builder.build(argv[1]);
            std::fprintf(stderr, "dabwick-assets: %zu %s\n", built.size(), builder.what);
            all.insert(all.end(), std::make_move_iterator(built.begin()), std::make_move_iterator(built.end()));
        }
        assets::writeResourceTable(all, argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dabwick-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
