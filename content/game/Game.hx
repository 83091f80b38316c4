class Game {
    static function main() {
        var g = flash.Lib.current.graphics;
        g.beginFill(0x00FF00);
        g.drawRect(0, 0, 721, 609);
        g.endFill();
    }
}
