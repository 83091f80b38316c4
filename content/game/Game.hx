// The demo game: match each word to its picture. Click a word, then the
// picture it names; a right match rings a chime and scores a star.

import flash.display.Sprite;
import flash.events.MouseEvent;
import flash.events.SampleDataEvent;
import flash.media.Sound;
import flash.text.TextField;
import flash.text.TextFormat;

class Game extends Sprite {
    static var WORDS = ["sun", "apple", "tree", "sea"];
    static var COLOURS = [0xFFD020, 0xE03030, 0x30A040, 0x3070E0];

    var chosen:Int = -1;
    var score:Int = 0;
    var wordCards:Array<Sprite> = [];
    var status:TextField;
    var chimeAt:Float = 0;

    static function main() {
        flash.Lib.current.addChild(new Game());
    }

    public function new() {
        super();
        graphics.beginFill(0xFFF8E0);
        graphics.drawRect(0, 0, 721, 609);
        graphics.endFill();
        addChild(label("Match the word to the picture!", 30, 24, 660, 34, 0x204080));
        var order = [2, 0, 3, 1];  // the pictures are not in the words' order
        for (i in 0...4) {
            var card = card(WORDS[i], 60, 110 + i * 110);
            var index = i;
            card.addEventListener(MouseEvent.CLICK, function(_) choose(index));
            wordCards.push(card);
            addChild(card);
            var picture = picture(order[i], 420, 110 + i * 110);
            var pictureIndex = order[i];
            picture.addEventListener(MouseEvent.CLICK, function(_) match(pictureIndex));
            addChild(picture);
        }
        status = label("Stars: 0", 30, 560, 660, 34, 0x806000);
        addChild(status);
    }

    function label(text:String, x:Float, y:Float, w:Float, h:Float, colour:Int):TextField {
        var field = new TextField();
        field.defaultTextFormat = new TextFormat("_sans", 26, colour, true);
        field.selectable = false;
        field.text = text;
        field.x = x;
        field.y = y;
        field.width = w;
        field.height = h;
        return field;
    }

    function card(word:String, x:Float, y:Float):Sprite {
        var s = new Sprite();
        s.graphics.lineStyle(3, 0xF09020);
        s.graphics.beginFill(0xFFE8B0);
        s.graphics.drawRoundRect(0, 0, 220, 80, 24, 24);
        s.graphics.endFill();
        var t = label(word, 20, 20, 180, 40, 0x204080);
        t.mouseEnabled = false;
        s.addChild(t);
        s.x = x;
        s.y = y;
        s.buttonMode = true;
        return s;
    }

    function picture(index:Int, x:Float, y:Float):Sprite {
        var s = new Sprite();
        s.graphics.lineStyle(2, 0x604020);
        s.graphics.beginFill(0xFFFFFF);
        s.graphics.drawRoundRect(0, 0, 220, 90, 20, 20);
        s.graphics.endFill();
        s.graphics.beginFill(COLOURS[index]);
        switch (index) {
            case 0: s.graphics.drawCircle(110, 45, 32);
            case 1: s.graphics.drawCircle(110, 48, 28);
            case 2: s.graphics.drawRect(95, 20, 30, 55);
            default: s.graphics.drawRect(20, 50, 180, 30);
        }
        s.graphics.endFill();
        s.x = x;
        s.y = y;
        s.buttonMode = true;
        return s;
    }

    function choose(index:Int) {
        chosen = index;
        for (i in 0...wordCards.length)
            wordCards[i].alpha = (i == index) ? 1.0 : 0.6;
    }

    function match(pictureIndex:Int) {
        if (chosen < 0)
            return;
        if (pictureIndex == chosen) {
            score++;
            status.text = "Stars: " + score + "  Well done!";
            chime();
        } else {
            status.text = "Stars: " + score + "  Try again!";
        }
        chosen = -1;
        for (card in wordCards)
            card.alpha = 1.0;
    }

    // A short rising chime, made on the fly.
    function chime() {
        var sound = new Sound();
        var position = 0;
        sound.addEventListener(SampleDataEvent.SAMPLE_DATA, function(e:SampleDataEvent) {
            var samples = 0;
            while (samples < 2048 && position < 22050) {
                var t = position / 44100;
                var v = Math.sin(2 * Math.PI * (660 + 440 * t) * t) * 0.4 * (1 - position / 22050);
                e.data.writeFloat(v);
                e.data.writeFloat(v);
                position++;
                samples++;
            }
        });
        sound.play();
    }
}
