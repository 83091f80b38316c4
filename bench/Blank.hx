// An empty movie: its first frame is its background colour, set when compiled.
class Blank {
    static function main() {}
}
