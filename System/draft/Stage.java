/*
 * The engine of the generated game, shared by every stage: a full-screen GameCanvas that
 * builds the level from the data its level class assigns, runs the frames (keys, the
 * level's events, the objects' own movement, the view, the drawing) and reports to the
 * MIDlet. The class Events extends it with the project's events, and each level class
 * EtapN extends Events with its data. The title stage, Etap0, extends it too and draws
 * its own frames. The run-time meaning of every name is described in
 * docs/game-runtime.md.
 */
import java.io.InputStream;
import java.util.Hashtable;
import java.util.Random;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.lcdui.game.Layer;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;
import javax.microedition.media.Manager;
import javax.microedition.media.Player;

public abstract class Stage extends GameCanvas implements Runnable {

/* ---- The level's data, which the level class assigns: the generator declares here
   every array of its table (src/generator/LevelArrays.cpp) ---- */
//level_fields
int level_width;
int level_height;

/* ---- Engine constants ---- */
static final int PERIOD = 50;          /* frame period in milliseconds */
static final int ANIMATION_TICK = 2;   /* frames per animation frame */
static final int TYPES = 100;          /* type numbers the event loops may name: 1..100 */
static final int GRAVITY = 4;          /* pixels per frame an attracted object falls */
static final int JUMP_SPEED = 11;      /* upward speed at the start of a jump */
static final int MAX_FALL = 8;         /* fastest fall of a side-view person */
static final int ATTACK_PAUSE = 10;    /* frames between two hits of an attacker */
static final int TURN_PAUSE = 4;       /* frames between two turns of a vehicle */
static final int PLAYERS = 4;          /* sounds that play at once */
static final int UNSET = Integer.MIN_VALUE;
static final int TEXT_WINDOW = 100;    /* the width and height the generator writes */
/* The screen the author laid the game out for (the settings' screen outline). */
//layout_screen

/* Modes of act_upr. */
static final int MODE_IDLE = 1;
static final int MODE_PURSUIT = 2;
static final int MODE_ATTACK = 3;
static final int MODE_DEATH = 5;
static final int MODE_TRAJECTORY = 6;
static final int MODE_PLAYER = 7;

/* Directions of act_napr (grav_napr has its own numbering: 1 left, 2 up, 3 right,
   4 down). */
static final int RIGHT_DIR = 1;
static final int UP_DIR = 2;
static final int LEFT_DIR = 3;
static final int DOWN_DIR = 4;

/* ---- Run-time names used by the events ---- */
syrk midlet;
Player player;
int[] glob;
int level;
int width;
int height;
int rand;
int obtime;
int endTime_ob;
int fps = PERIOD - 1;
int pressed_code;
int keeping_code;
int released_code;
boolean anykey;
int layer_kol = 1;
int[] manager_X = new int[1];
int[] manager_Y = new int[1];
int kd;

Sprite[] act;
int[] act_napr;
int[] obj_uron;
TiledLayer[] fon;
TiledLayer[] fonPole;
Sprite[] line;
int[] kol_obj = new int[TYPES + 1];
int[] kol_fon = new int[TYPES + 1];
int[] kol_line = new int[TYPES + 1];
int[] kol_text = new int[TYPES + 1];
int[][] gr_obj = new int[TYPES + 1][];
int[][] gr_fon = new int[TYPES + 1][];
int[][] gr_line = new int[TYPES + 1][];
int[][] gr_text = new int[TYPES + 1][];

/* ---- Engine state ---- */
private Thread thread;
private volatile boolean running;
private final Random random = new Random();
private final Hashtable images = new Hashtable();
private final Hashtable solidBoxes = new Hashtable();
private final Player[] players = new Player[PLAYERS];
private Player lastPlayer;
private Image[] lineImage;
private Font[] textFont;
private MultiLineText[] textLayout;
/* What text_value last put into a row of each text: the string, its row text and value. */
private String[] valueString;
private String[] valueRow;
private int[] valueNumber;
private int worldWidth;
private int worldHeight;
private boolean cameraByEvents;
private int cameraX;
private int cameraY;
private boolean errorShown;
private int frameNumber;
private boolean trace;

/* Keys: the presses and releases the key callbacks queued, in order, and the keys held.
   They belong to the game, not to one stage: while the next level is being made current
   the phone may still send keys to the level before, and the next level sees them. The
   title screen starts every game with none. */
private static final Object KEYS = new Object();
private static final int[] keyQueue = new int[64];
private static final boolean[] keyPress = new boolean[64];
private static int keyHead;
private static int keyTail;
private static final int[] held = new int[8];
private static int heldCount;

/* Per-object engine state. */
private int[] seenMode;
private int[] animKind;      /* 0 idle, 1 move, 2 destroy */
private int[] animDir;
private boolean[] moved;
private boolean[] dying;
private int[] vy;
private int[] target;
private int[] attackPause;
private int[] turnWait;
private int[] trPoint;
private int[] trWait;
private boolean[] trDone;
private boolean[] lineShown;
private int[][] solid;        /* the opaque part of every frame: {x, y, w, h} in the frame */
private int[] obstacles;      /* indices of the backgrounds of kind 1 */
private int[] ladders;        /* indices of the backgrounds of kind 2 */
/* Where each background lies and whether it is shown, taken after the frame's events: the
   objects' own moves test only the backgrounds their rectangle reaches. */
private int[] fonLeft;
private int[] fonTop;
private int[] fonRight;
private int[] fonBottom;
private boolean[] fonShown;
private boolean pausedSeen;

protected Stage(syrk m) {
    super(false);
    midlet = m;
    glob = m.glob;
    trace = "1".equals(m.getAppProperty("Avizad-Trace"));
    setFullScreenMode(true);
}

public void start() {
    width = getWidth();
    height = getHeight();
    prepare();
    midlet.started(this);
    running = true;
    thread = new Thread(this);
    thread.start();
}

public void stop() {
    running = false;
    closeAllPlayers();
    player = null;
}

public void run() {
    long next = System.currentTimeMillis();
    while (running) {
        if (midlet.isPaused()) {
            holdPaused();
            next = System.currentTimeMillis();
            continue;
        }
        pausedSeen = false;
        frame();
        midlet.applyChange();
        next += PERIOD;
        long wait = next - System.currentTimeMillis();
        if (wait > 0) {
            try {
                Thread.sleep(wait);
            } catch (InterruptedException e) {
            }
        } else {
            next = System.currentTimeMillis();
        }
    }
}

/* Makes the stage ready for its first frame: a level builds its objects. */
protected void prepare() {
    buildLevel();
}

/* While the phone has paused the game (a call, say) no frame runs and the game clock
   stands; the sound stops. The frames go on when the MIDlet is started again. */
private void holdPaused() {
    if (!pausedSeen) {
        pausedSeen = true;
        for (int k = 0; k < PLAYERS; k++) {
            if (players[k] != null) {
                try {
                    players[k].stop();
                } catch (Exception e) {
                }
            }
        }
    }
    try {
        Thread.sleep(PERIOD);
    } catch (InterruptedException e) {
    }
}

/* One frame: keys, values, events, objects, camera, drawing. */
protected void frame() {
    readKeys();
    rand = random.nextInt(100);
    width = getWidth();
    height = getHeight();
    for (int i = 0; i < quan_act; i++) {
        obj_uron[i] = act_uron[i];
    }
    syncLineVisibility();
    runEvents();
    syncLineVisibility();
    collectPlayers();
    updateObjects();
    updateCamera();
    draw(getGraphics());
    flushGraphics();
    if (trace) {
        printTrace();
    }
    obtime += PERIOD;
    endTime_ob += PERIOD;
    frameNumber++;
}

/* The events of the frame. An event that fails ends the frame's events; the first failure
   is printed. The screen edges are marked unset while the events run, so that any edge an
   event sets, even to the value it had, hands the view to the events. */
private void runEvents() {
    for (int c = 0; c < layer_kol; c++) {
        manager_X[c] = UNSET;
        manager_Y[c] = UNSET;
    }
    try {
        events();
    } catch (RuntimeException e) {
        if (!errorShown) {
            errorShown = true;
            System.out.println("Etap" + level + ": event failed: " + e);
        }
    }
    for (int c = 0; c < layer_kol; c++) {
        if (manager_X[c] != UNSET || manager_Y[c] != UNSET) {
            cameraByEvents = true;
        }
        if (manager_X[c] == UNSET) {
            manager_X[c] = cameraX;
        }
        if (manager_Y[c] == UNSET) {
            manager_Y[c] = cameraY;
        }
    }
}

/* Every sound action makes a new player. Players that have finished (or never started)
   are closed, and at most PLAYERS play at once, so a sound played again and again never
   uses up the phone's players. */
private void collectPlayers() {
    if (player != null && player != lastPlayer) {
        lastPlayer = player;
        if (players[PLAYERS - 1] != null) {
            closePlayer(players[PLAYERS - 1]);
        }
        System.arraycopy(players, 0, players, 1, PLAYERS - 1);
        players[0] = player;
    }
    for (int k = PLAYERS - 1; k >= 0; k--) {
        Player p = players[k];
        if (p != null && p.getState() != Player.STARTED) {
            closePlayer(p);
            System.arraycopy(players, k + 1, players, k, PLAYERS - 1 - k);
            players[PLAYERS - 1] = null;
        }
    }
}

private void closeAllPlayers() {
    for (int k = 0; k < PLAYERS; k++) {
        if (players[k] != null) {
            closePlayer(players[k]);
            players[k] = null;
        }
    }
    if (player != null) {
        closePlayer(player);
    }
}

private static void closePlayer(Player p) {
    try {
        p.close();
    } catch (Exception e) {
    }
}

/* With the suite property "Avizad-Trace: 1", one line per frame for tests:
   "trace L F obtime endTime_ob pressed keeping released | glob 1..20 | x,y,mode,visible,uron,
   direction,animation (0 idle, 1 move, 2 destroy),frame of every sprite | view x,y |
   line_tek of every indicator". */
private void printTrace() {
    StringBuffer b = new StringBuffer("trace ");
    b.append(level).append(' ').append(frameNumber).append(' ').append(obtime).append(' ')
            .append(endTime_ob).append(' ').append(pressed_code).append(' ')
            .append(keeping_code).append(' ').append(released_code).append(" |");
    for (int g = 1; g < glob.length; g++) {
        b.append(' ').append(glob[g]);
    }
    b.append(" |");
    for (int i = 0; i < quan_act; i++) {
        b.append(' ').append(act[i].getX()).append(',').append(act[i].getY()).append(',')
                .append(act_upr[i]).append(',').append(act[i].isVisible() ? 1 : 0).append(',')
                .append(act_uron[i]).append(',').append(act_napr[i]).append(',')
                .append(animKind[i]).append(',').append(shownFrame(i));
    }
    b.append(" | ").append(cameraX).append(',').append(cameraY).append(" |");
    for (int i = 0; i < quan_line; i++) {
        b.append(' ').append(line_tek[i]);
    }
    System.out.println(b.toString());
}

/* The frame of the strip (from 0) that sprite i shows. */
private int shownFrame(int i) {
    int[][][] table = animKind[i] == 1 ? act_go : (animKind[i] == 2 ? act_dead : act_stop);
    int[] sequence = table[animDir[i] - 1][i];
    int k = act[i].getFrame();
    return k >= 0 && k < sequence.length ? sequence[k] : -1;
}

/* ---- Building the level from the generated arrays ---- */

private void buildLevel() {
    text_W = atLeast(text_W, 20, TEXT_WINDOW);
    text_H = atLeast(text_H, 20, TEXT_WINDOW);
    worldWidth = getWidth();
    worldHeight = getHeight();
    buildSprites();
    buildBackgrounds();
    if (level_width > 0 && level_height > 0) {
        /* The level's own size, set in its properties; at least one screen. */
        worldWidth = Math.max(level_width, getWidth());
        worldHeight = Math.max(level_height, getHeight());
    }
    buildIndicators();
    buildTexts();
    gr_obj = groups(group_act, quan_act, kol_obj);
    gr_fon = groups(group_fon, quan_fon, kol_fon);
    gr_line = groups(group_line, quan_line, kol_line);
    gr_text = groups(group_text, quan_text, kol_text);
}

/* gr[t] lists the indices of the objects of type t; kol[t] is their number. */
private int[][] groups(int[] group, int count, int[] kol) {
    int[][] gr = new int[TYPES + 1][];
    for (int t = 0; t <= TYPES; t++) {
        kol[t] = 0;
    }
    for (int i = 0; i < count; i++) {
        int t = group[i];
        if (t >= 0 && t <= TYPES) {
            kol[t]++;
        }
    }
    for (int t = 0; t <= TYPES; t++) {
        gr[t] = new int[kol[t]];
        kol[t] = 0;
    }
    for (int i = 0; i < count; i++) {
        int t = group[i];
        if (t >= 0 && t <= TYPES) {
            gr[t][kol[t]] = i;
            kol[t]++;
        }
    }
    return gr;
}

private static int[] atLeast(int[] values, int size, int fill) {
    if (values.length >= size) {
        return values;
    }
    int[] grown = new int[size];
    for (int i = 0; i < size; i++) {
        grown[i] = i < values.length ? values[i] : fill;
    }
    return grown;
}

private Image loadImage(String path) {
    Image image = (Image) images.get(path);
    if (image != null) {
        return image;
    }
    try {
        image = Image.createImage(path);
    } catch (Exception e) {
        System.out.println("Etap" + level + ": no image " + path);
        image = Image.createImage(1, 1);
    }
    images.put(path, image);
    return image;
}

/* The image cut to a whole number of cells, as Sprite and TiledLayer require. */
private static Image wholeCells(Image image, int cellWidth, int cellHeight) {
    int w = image.getWidth() / cellWidth * cellWidth;
    int h = image.getHeight() / cellHeight * cellHeight;
    if (w == image.getWidth() && h == image.getHeight()) {
        return image;
    }
    return Image.createImage(image, 0, 0, w, h, Sprite.TRANS_NONE);
}

private static int cellSize(int wanted, int imageSize) {
    return wanted > 0 && wanted <= imageSize ? wanted : imageSize;
}

private void buildSprites() {
    act = new Sprite[quan_act];
    act_napr = new int[quan_act];
    obj_uron = new int[quan_act];
    seenMode = new int[quan_act];
    animKind = new int[quan_act];
    animDir = new int[quan_act];
    moved = new boolean[quan_act];
    dying = new boolean[quan_act];
    vy = new int[quan_act];
    target = new int[quan_act];
    attackPause = new int[quan_act];
    turnWait = new int[quan_act];
    trPoint = new int[quan_act];
    trWait = new int[quan_act];
    trDone = new boolean[quan_act];
    solid = new int[quan_act][];
    for (int i = 0; i < quan_act; i++) {
        Image image = loadImage(add_act[i]);
        int fw = cellSize(tileWidthob[i], image.getWidth());
        int fh = cellSize(tileHeightob[i], image.getHeight());
        Image strip = wholeCells(image, fw, fh);
        act[i] = new Sprite(strip, fw, fh);
        act[i].setPosition(raspxob[i], raspyob[i]);
        solid[i] = solidBox(add_act[i], strip, fw, fh);
        /* Collisions of the events count touching: the visible part grown by a pixel. */
        act[i].defineCollisionRectangle(solid[i][0] - 1, solid[i][1] - 1, solid[i][2] + 2,
                solid[i][3] + 2);
        int frames = act[i].getRawFrameCount();
        for (int d = 0; d < 4; d++) {
            checkFrames(act_go[d][i], frames);
            checkFrames(act_stop[d][i], frames);
            checkFrames(act_dead[d][i], frames);
        }
        act_napr[i] = RIGHT_DIR;
        animKind[i] = -1;
        target[i] = -1;
        seenMode[i] = act_upr[i];
        setAnimation(i, 0);
        grow(raspxob[i] + fw, raspyob[i] + fh);
    }
}

/* The smallest rectangle of a frame that holds the opaque pixels of every frame of the
   image; the whole frame when it has none. Shared by the sprites of one image. */
private int[] solidBox(String path, Image image, int fw, int fh) {
    String key = path + ' ' + fw + ' ' + fh;
    int[] box = (int[]) solidBoxes.get(key);
    if (box != null) {
        return box;
    }
    int w = image.getWidth();
    int h = image.getHeight();
    int left = fw;
    int top = fh;
    int right = -1;
    int bottom = -1;
    int[] row = new int[w];
    for (int y = 0; y < h; y++) {
        image.getRGB(row, 0, w, 0, y, w, 1);
        int fy = y % fh;
        for (int x = 0; x < w; x++) {
            if ((row[x] & 0xFF000000) != 0) {
                int fx = x % fw;
                left = Math.min(left, fx);
                right = Math.max(right, fx);
                top = Math.min(top, fy);
                bottom = Math.max(bottom, fy);
            }
        }
    }
    box = right < 0 ? new int[] {0, 0, fw, fh}
            : new int[] {left, top, right - left + 1, bottom - top + 1};
    solidBoxes.put(key, box);
    return box;
}

private static void checkFrames(int[] sequence, int frames) {
    for (int k = 0; k < sequence.length; k++) {
        if (sequence[k] < 0 || sequence[k] >= frames) {
            sequence[k] = 0;
        }
    }
}

private void buildBackgrounds() {
    fon = new TiledLayer[quan_fon];
    for (int i = 0; i < quan_fon; i++) {
        Image image = loadImage(add_fon[i]);
        int tw = cellSize(fon_tileWidth[i], image.getWidth());
        int th = cellSize(fon_tileHeight[i], image.getHeight());
        image = wholeCells(image, tw, th);
        int columns = Math.max(1, fon_columns[i]);
        int rows = Math.max(1, fon_rows[i]);
        TiledLayer layer = new TiledLayer(columns, rows, image, tw, th);
        int[] cells = readTileMap("/fon" + (level - 1) + "-" + i + ".txt");
        int tiles = (image.getWidth() / tw) * (image.getHeight() / th);
        for (int k = 0; k < cells.length && k < fon_columns[i] * fon_rows[i]; k++) {
            int cell = cells[k];
            layer.setCell(k % fon_columns[i], k / fon_columns[i],
                    cell >= 0 && cell <= tiles ? cell : 0);
        }
        layer.setPosition(fon_X[i], fon_Y[i]);
        fon[i] = layer;
        grow(fon_X[i] + columns * tw, fon_Y[i] + rows * th);
    }
    obstacles = backgroundsOfKind(1);
    ladders = backgroundsOfKind(2);
    fonLeft = new int[quan_fon];
    fonTop = new int[quan_fon];
    fonRight = new int[quan_fon];
    fonBottom = new int[quan_fon];
    fonShown = new boolean[quan_fon];
    /* fonPole[t - 1]: the cells of every placement of background type t in one layer. */
    fonPole = new TiledLayer[TYPES];
    TiledLayer empty = new TiledLayer(1, 1, Image.createImage(1, 1), 1, 1);
    for (int t = 1; t <= TYPES; t++) {
        int first = -1;
        int count = 0;
        for (int i = 0; i < quan_fon; i++) {
            if (group_fon[i] == t) {
                if (first < 0) {
                    first = i;
                }
                count++;
            }
        }
        if (first < 0) {
            fonPole[t - 1] = empty;
        } else if (count == 1) {
            fonPole[t - 1] = fon[first];
        } else {
            fonPole[t - 1] = mergedLayer(t, first);
        }
    }
}

private int[] backgroundsOfKind(int kind) {
    int n = 0;
    for (int i = 0; i < quan_fon; i++) {
        if (fon_obstacle[i] == kind) {
            n++;
        }
    }
    int[] list = new int[n];
    n = 0;
    for (int i = 0; i < quan_fon; i++) {
        if (fon_obstacle[i] == kind) {
            list[n++] = i;
        }
    }
    return list;
}

/* One layer on the cell grid of the first placement of type t holding all of them. */
private TiledLayer mergedLayer(int t, int first) {
    TiledLayer base = fon[first];
    int tw = base.getCellWidth();
    int th = base.getCellHeight();
    int left = base.getX();
    int top = base.getY();
    int right = left + base.getWidth();
    int bottom = top + base.getHeight();
    for (int i = 0; i < quan_fon; i++) {
        if (group_fon[i] == t) {
            left = Math.min(left, fon[i].getX());
            top = Math.min(top, fon[i].getY());
            right = Math.max(right, fon[i].getX() + fon[i].getWidth());
            bottom = Math.max(bottom, fon[i].getY() + fon[i].getHeight());
        }
    }
    int x0 = base.getX() - ((base.getX() - left + tw - 1) / tw) * tw;
    int y0 = base.getY() - ((base.getY() - top + th - 1) / th) * th;
    int columns = (right - x0 + tw - 1) / tw;
    int rows = (bottom - y0 + th - 1) / th;
    TiledLayer merged = new TiledLayer(Math.max(1, columns), Math.max(1, rows),
            wholeCells(loadImage(add_fon[first]), tw, th), tw, th);
    for (int i = 0; i < quan_fon; i++) {
        if (group_fon[i] != t) {
            continue;
        }
        int dc = (fon[i].getX() - x0 + tw / 2) / tw;
        int dr = (fon[i].getY() - y0 + th / 2) / th;
        for (int r = 0; r < fon[i].getRows(); r++) {
            for (int c = 0; c < fon[i].getColumns(); c++) {
                int cell = fon[i].getCell(c, r);
                if (cell > 0 && c + dc >= 0 && c + dc < merged.getColumns()
                        && r + dr >= 0 && r + dr < merged.getRows()) {
                    merged.setCell(c + dc, r + dr, cell);
                }
            }
        }
    }
    merged.setPosition(x0, y0);
    return merged;
}

private int[] readTileMap(String path) {
    int[] cells = new int[0];
    InputStream in = null;
    try {
        in = getClass().getResourceAsStream(path);
        if (in == null) {
            return cells;
        }
        int[] buffer = new int[256];
        int n = 0;
        int value = 0;
        boolean digits = false;
        boolean negative = false;
        int c;
        while ((c = in.read()) >= 0) {
            if (c >= '0' && c <= '9') {
                value = value * 10 + (c - '0');
                digits = true;
            } else if (c == '-') {
                negative = true;
            } else if (c == ',') {
                if (n == buffer.length) {
                    int[] bigger = new int[buffer.length * 2];
                    System.arraycopy(buffer, 0, bigger, 0, n);
                    buffer = bigger;
                }
                buffer[n++] = digits ? (negative ? -value : value) : 0;
                value = 0;
                digits = false;
                negative = false;
            }
        }
        cells = new int[n];
        System.arraycopy(buffer, 0, cells, 0, n);
    } catch (Exception e) {
        System.out.println("Etap" + level + ": cannot read " + path);
    } finally {
        try {
            if (in != null) {
                in.close();
            }
        } catch (Exception e) {
        }
    }
    return cells;
}

private void buildIndicators() {
    line = new Sprite[quan_line];
    lineImage = new Image[quan_line];
    lineShown = new boolean[quan_line];
    for (int i = 0; i < quan_line; i++) {
        lineImage[i] = loadImage(add_line[i]);
        line[i] = new Sprite(lineImage[i]);
        line[i].setPosition(line_X[i], line_Y[i]);
        line[i].setVisible(line_visible[i]);
        lineShown[i] = line_visible[i];
    }
}

private void buildTexts() {
    textFont = new Font[quan_text];
    textLayout = new MultiLineText[quan_text];
    valueString = new String[quan_text];
    valueRow = new String[quan_text];
    valueNumber = new int[quan_text];
    for (int i = 0; i < quan_text; i++) {
        textLayout[i] = new MultiLineText();
        int face = text_p1[i] == 2 ? Font.FACE_MONOSPACE
                : (text_p1[i] == 3 ? Font.FACE_PROPORTIONAL : Font.FACE_SYSTEM);
        int size = text_p2[i] == 0 ? Font.SIZE_SMALL
                : (text_p2[i] == 2 ? Font.SIZE_LARGE : Font.SIZE_MEDIUM);
        int style = Font.STYLE_PLAIN;
        if (text_p3[i] != 0) {
            style |= Font.STYLE_BOLD;
        }
        if (text_p4[i] != 0) {
            style |= Font.STYLE_ITALIC;
        }
        if (text_p5[i] != 0) {
            style |= Font.STYLE_UNDERLINED;
        }
        textFont[i] = Font.getFont(face, style, size);
    }
}

private void grow(int right, int bottom) {
    worldWidth = Math.max(worldWidth, right);
    worldHeight = Math.max(worldHeight, bottom);
}

/* line_visible and line[i].isVisible() follow each other: whichever changed wins. */
private void syncLineVisibility() {
    for (int i = 0; i < quan_line; i++) {
        if (line_visible[i] != lineShown[i]) {
            line[i].setVisible(line_visible[i]);
        } else if (line[i].isVisible() != lineShown[i]) {
            line_visible[i] = line[i].isVisible();
        }
        lineShown[i] = line_visible[i];
    }
}

/* ---- Keys ---- */

protected void keyPressed(int keyCode) {
    queueKey(keyCode, true);
}

protected void keyReleased(int keyCode) {
    queueKey(keyCode, false);
}

private static void queueKey(int code, boolean press) {
    synchronized (KEYS) {
        int next = (keyTail + 1) % keyQueue.length;
        if (next != keyHead) {
            keyQueue[keyTail] = code;
            keyPress[keyTail] = press;
            keyTail = next;
        }
    }
}

/* Forgets every queued and held key: a new game starts. */
protected static void clearKeys() {
    synchronized (KEYS) {
        keyHead = keyTail;
        heldCount = 0;
    }
}

/* At most one press and one release per frame; later ones wait for the next frames,
   so every press is seen by exactly one frame. */
private void readKeys() {
    synchronized (KEYS) {
        pressed_code = 0;
        released_code = 0;
        boolean pressed = false;
        boolean released = false;
        while (keyHead != keyTail) {
            boolean press = keyPress[keyHead];
            int code = keyQueue[keyHead];
            if (press ? pressed : released) {
                break;
            }
            keyHead = (keyHead + 1) % keyQueue.length;
            if (press) {
                pressed = true;
                pressed_code = code;
                hold(code);
            } else {
                released = true;
                released_code = code;
                letGo(code);
            }
        }
        keeping_code = heldCount > 0 ? held[heldCount - 1] : 0;
        anykey = pressed;
    }
}

/* The keys held down, in the order they were pressed. */
private static void hold(int code) {
    letGo(code);
    if (heldCount == held.length) {
        letGo(held[0]);
    }
    held[heldCount++] = code;
}

private static void letGo(int code) {
    for (int k = 0; k < heldCount; k++) {
        if (held[k] == code) {
            System.arraycopy(held, k + 1, held, k, heldCount - k - 1);
            heldCount--;
            return;
        }
    }
}

/* ---- Objects ---- */

private void updateObjects() {
    takeBackgroundBounds();
    int keys = getKeyStates();
    for (int i = 0; i < quan_act; i++) {
        moved[i] = false;
        int mode = act_upr[i];
        if (mode != seenMode[i]) {
            enterMode(i, mode);
            seenMode[i] = mode;
        }
        if (dying[i]) {
            continue;
        }
        if (mode == MODE_PURSUIT || mode == MODE_ATTACK) {
            chase(i, mode == MODE_ATTACK);
        } else if (mode == MODE_TRAJECTORY) {
            followTrajectory(i);
        } else if (mode == MODE_PLAYER) {
            control(i, keys);
        }
        if (mode != MODE_PLAYER || act_type[typeOf(i)] != 2) {
            attract(i);
        }
        setAnimation(i, moved[i] ? 1 : 0);
    }
    if (frameNumber % ANIMATION_TICK == 0) {
        for (int i = 0; i < quan_act; i++) {
            animate(i);
        }
    }
}

private int typeOf(int i) {
    int t = group_act[i];
    return t >= 0 && t < act_type.length ? t : 0;
}

private void enterMode(int i, int mode) {
    dying[i] = false;
    if (mode == MODE_DEATH) {
        dying[i] = true;
        animKind[i] = -1;
        setAnimation(i, 2);
    } else if (mode == MODE_TRAJECTORY) {
        trPoint[i] = 0;
        trWait[i] = 0;
        trDone[i] = false;
    } else if (mode == MODE_PURSUIT || mode == MODE_ATTACK) {
        target[i] = -1;
    }
}

private void animate(int i) {
    Sprite s = act[i];
    if (dying[i]) {
        if (s.getFrame() + 1 < s.getFrameSequenceLength()) {
            s.nextFrame();
        } else {
            s.setVisible(false);
        }
    } else {
        s.nextFrame();
    }
}

/* Sets the animation kind (0 idle, 1 move, 2 destroy) of the current direction. */
private void setAnimation(int i, int kind) {
    if (dying[i] && kind != 2) {
        return;
    }
    int d = act_napr[i];
    if (d < 1 || d > 4) {
        d = RIGHT_DIR;
    }
    if (animKind[i] == kind && animDir[i] == d) {
        return;
    }
    animKind[i] = kind;
    animDir[i] = d;
    int[][][] table = kind == 1 ? act_go : (kind == 2 ? act_dead : act_stop);
    act[i].setFrameSequence(table[d - 1][i]);
}

/* Moves object i by (dx, dy); obstacles stop it. Returns false when it was stopped. The
   object counts as moving by itself (its move animation) only when its place changed. */
private boolean move(int i, int dx, int dy) {
    if (dx == 0 && dy == 0) {
        return true;
    }
    Sprite s = act[i];
    if (dx > 0) {
        act_napr[i] = RIGHT_DIR;
    } else if (dx < 0) {
        act_napr[i] = LEFT_DIR;
    } else if (dy < 0) {
        act_napr[i] = UP_DIR;
    } else {
        act_napr[i] = DOWN_DIR;
    }
    int x = s.getX();
    int y = s.getY();
    boolean free = true;
    if (dx != 0) {
        free &= step(s, i, dx, true);
    }
    if (dy != 0) {
        free &= step(s, i, dy, false);
    }
    if (s.getX() != x || s.getY() != y) {
        moved[i] = true;
    }
    return free;
}

private boolean step(Sprite s, int i, int d, boolean horizontal) {
    int x = s.getX();
    int y = s.getY();
    s.setPosition(horizontal ? x + d : x, horizontal ? y : y + d);
    if (!blocked(i)) {
        return true;
    }
    int unit = d > 0 ? 1 : -1;
    int done = 0;
    s.setPosition(x, y);
    while (done != d) {
        s.setPosition(horizontal ? x + done + unit : x, horizontal ? y : y + done + unit);
        if (blocked(i)) {
            break;
        }
        done += unit;
    }
    s.setPosition(horizontal ? x + done : x, horizontal ? y : y + done);
    return false;
}

/* Whether the visible part of object i overlaps a visible obstacle (a background of
   kind 1); objects flush against an obstacle do not. */
private boolean blocked(int i) {
    int t = typeOf(i);
    if (t >= 1 && t <= act_obstacle.length && act_obstacle[t - 1] == 0) {
        return false;
    }
    return overlapsAny(i, obstacles);
}

private boolean onLadder(int i) {
    return overlapsAny(i, ladders);
}

private boolean overlapsAny(int i, int[] backgrounds) {
    int[] box = solid[i];
    int x = act[i].getX() + box[0];
    int y = act[i].getY() + box[1];
    int w = box[2];
    int h = box[3];
    for (int k = 0; k < backgrounds.length; k++) {
        int b = backgrounds[k];
        if (fonShown[b] && x < fonRight[b] && y < fonBottom[b] && x + w > fonLeft[b]
                && y + h > fonTop[b] && overlapsCells(fon[b], x, y, w, h)) {
            return true;
        }
    }
    return false;
}

private void takeBackgroundBounds() {
    for (int b = 0; b < quan_fon; b++) {
        TiledLayer layer = fon[b];
        fonLeft[b] = layer.getX();
        fonTop[b] = layer.getY();
        fonRight[b] = fonLeft[b] + layer.getWidth();
        fonBottom[b] = fonTop[b] + layer.getHeight();
        fonShown[b] = layer.isVisible();
    }
}

/* Whether the rectangle (x, y, w, h) of the level overlaps a filled cell of the layer. */
private static boolean overlapsCells(TiledLayer layer, int x, int y, int w, int h) {
    if (!layer.isVisible() || w <= 0 || h <= 0) {
        return false;
    }
    int lx = layer.getX();
    int ly = layer.getY();
    if (x >= lx + layer.getWidth() || y >= ly + layer.getHeight() || x + w <= lx
            || y + h <= ly) {
        return false;
    }
    int cw = layer.getCellWidth();
    int ch = layer.getCellHeight();
    int c0 = Math.max(0, (x - lx) / cw);
    int c1 = Math.min(layer.getColumns() - 1, (x + w - 1 - lx) / cw);
    int r0 = Math.max(0, (y - ly) / ch);
    int r1 = Math.min(layer.getRows() - 1, (y + h - 1 - ly) / ch);
    for (int r = r0; r <= r1; r++) {
        for (int c = c0; c <= c1; c++) {
            if (layer.getCell(c, r) != 0) {
                return true;
            }
        }
    }
    return false;
}

private int speedOf(int i) {
    return act_speed[i] > 0 ? act_speed[i] : 1;
}

/* Gravity: grav_napr 1 left, 2 up, 3 right, 4 down pulls until an obstacle holds. */
private void attract(int i) {
    int g = grav_napr[i];
    if (g < 1 || g > 4) {
        return;
    }
    int d = act_napr[i];
    boolean was = moved[i];
    move(i, g == 1 ? -GRAVITY : (g == 3 ? GRAVITY : 0),
            g == 2 ? -GRAVITY : (g == 4 ? GRAVITY : 0));
    act_napr[i] = d;
    moved[i] = was;
}

/* Pursuit and attack: towards the nearest visible object under player control, until
   the centres of their visible parts meet. */
private void chase(int i, boolean attack) {
    int t = target[i];
    if (t < 0 || t >= quan_act || act_upr[t] != MODE_PLAYER || !act[t].isVisible()) {
        t = nearestPlayer(i);
        target[i] = t;
    }
    if (t < 0) {
        return;
    }
    int dx = centreX(t) - centreX(i);
    int dy = centreY(t) - centreY(i);
    int v = speedOf(i);
    move(i, clampStep(dx, v), clampStep(dy, v));
    if (attack) {
        if (attackPause[i] > 0) {
            attackPause[i]--;
        } else if (act[i].collidesWith(act[t], false)) {
            act_uron[t]++;
            attackPause[i] = ATTACK_PAUSE;
        }
    }
}

private int centreX(int i) {
    return act[i].getX() + solid[i][0] + solid[i][2] / 2;
}

private int centreY(int i) {
    return act[i].getY() + solid[i][1] + solid[i][3] / 2;
}

private int nearestPlayer(int i) {
    int best = -1;
    int bestDistance = Integer.MAX_VALUE;
    for (int j = 0; j < quan_act; j++) {
        if (j != i && act_upr[j] == MODE_PLAYER && act[j].isVisible()) {
            int d = Math.abs(act[j].getX() - act[i].getX()) + Math.abs(act[j].getY() - act[i].getY());
            if (d < bestDistance) {
                bestDistance = d;
                best = j;
            }
        }
    }
    return best;
}

private static int clampStep(int d, int v) {
    return d > v ? v : (d < -v ? -v : d);
}

/* Trajectory act_tr_number of the level: d1 = wait in frames at the point, d2 = speed
   towards the point (0 = the object's speed), d3 = 1 ends the path at the point. */
private void followTrajectory(int i) {
    int tr = act_tr_number[i];
    if (tr < 0 || tr >= act_t.length || act_t[tr] <= 0 || trDone[i]) {
        return;
    }
    if (trWait[i] > 0) {
        trWait[i]--;
        return;
    }
    int p = trPoint[i] % act_t[tr];
    int dx = act_xt[tr][p] - act[i].getX();
    int dy = act_yt[tr][p] - act[i].getY();
    int v = act_tr[tr][p][1] > 0 ? act_tr[tr][p][1] : speedOf(i);
    if (dx == 0 && dy == 0) {
        trWait[i] = act_tr[tr][p][0];
        if (act_tr[tr][p][2] == 1) {
            trDone[i] = true;
        }
        trPoint[i] = (p + 1) % act_t[tr];
        return;
    }
    if (!move(i, clampStep(dx, v), clampStep(dy, v))) {
        trPoint[i] = (p + 1) % act_t[tr];
    }
}

/* Player control by the level's control type of the object's type. */
private void control(int i, int keys) {
    int type = act_type[typeOf(i)];
    int v = speedOf(i);
    boolean left = (keys & LEFT_PRESSED) != 0;
    boolean right = (keys & RIGHT_PRESSED) != 0;
    boolean up = (keys & UP_PRESSED) != 0;
    boolean down = (keys & DOWN_PRESSED) != 0;
    if (type == 2) {
        sideView(i, v, left, right, up, down);
    } else if (type == 3) {
        vehicle(i, v, left, right, up, down);
    } else {
        int dx = right ? v : (left ? -v : 0);
        int dy = dx != 0 ? 0 : (down ? v : (up ? -v : 0));
        move(i, dx, dy);
    }
}

/* A person seen from the side: walks, jumps from firm ground, falls, climbs ladders. */
private void sideView(int i, int v, boolean left, boolean right, boolean up, boolean down) {
    int d = act_napr[i];
    if (left || right) {
        move(i, right ? v : -v, 0);
        d = act_napr[i];
    }
    boolean walked = moved[i];
    if (onLadder(i)) {
        vy[i] = 0;
        if (up || down) {
            move(i, 0, up ? -v : v);
            act_napr[i] = up ? UP_DIR : DOWN_DIR;
            return;
        }
        return;
    }
    if (up && vy[i] == 0 && standing(i)) {
        vy[i] = -JUMP_SPEED;
    }
    vy[i] = Math.min(vy[i] + 1, MAX_FALL);
    if (!move(i, 0, vy[i])) {
        vy[i] = 0;
    }
    act_napr[i] = d;
    moved[i] = walked;
}

private boolean standing(int i) {
    Sprite s = act[i];
    s.move(0, 1);
    boolean firm = blocked(i);
    s.move(0, -1);
    return firm;
}

/* A vehicle: up accelerates, down brakes and reverses, left and right turn. */
private void vehicle(int i, int v, boolean left, boolean right, boolean up, boolean down) {
    int speed = act_speed_tek[i];
    if (up) {
        speed = Math.min(speed + 1, v);
    } else if (down) {
        speed = Math.max(speed - 1, -v);
    } else if (speed > 0) {
        speed--;
    } else if (speed < 0) {
        speed++;
    }
    /* A turn key turns at once, then every TURN_PAUSE frames while it is held. */
    if (!left && !right) {
        turnWait[i] = 0;
    } else if (turnWait[i] > 0) {
        turnWait[i]--;
    } else {
        int d = act_napr[i];
        act_napr[i] = left ? d % 4 + 1 : (d + 2) % 4 + 1;
        turnWait[i] = TURN_PAUSE - 1;
    }
    act_speed_tek[i] = speed;
    int d = act_napr[i];
    int dx = d == RIGHT_DIR ? speed : (d == LEFT_DIR ? -speed : 0);
    int dy = d == DOWN_DIR ? speed : (d == UP_DIR ? -speed : 0);
    if (!move(i, dx, dy)) {
        act_speed_tek[i] = 0;
    }
    act_napr[i] = d;
}

/* ---- Camera ---- */

/* The view follows the first object under player control, inside the level, until an
   event sets the screen edge; from then on the events place it. */
private void updateCamera() {
    if (!cameraByEvents) {
        for (int i = 0; i < quan_act; i++) {
            if (act_upr[i] == MODE_PLAYER && act[i].isVisible()) {
                int x = act[i].getX() + act[i].getWidth() / 2 - width / 2;
                int y = act[i].getY() + act[i].getHeight() / 2 - height / 2;
                x = Math.max(0, Math.min(x, worldWidth - width));
                y = Math.max(0, Math.min(y, worldHeight - height));
                for (int c = 0; c < layer_kol; c++) {
                    manager_X[c] = x;
                    manager_Y[c] = y;
                }
                break;
            }
        }
    }
    cameraX = manager_X[0];
    cameraY = manager_Y[0];
}

/* ---- Drawing ---- */

private void draw(Graphics g) {
    g.setClip(0, 0, width, height);
    g.setColor(0xFFFFFF);
    g.fillRect(0, 0, width, height);
    /* The level through the view: the backgrounds, then the sprites, each in placement
       order (later ones on top); only those that reach into the view are painted. */
    g.translate(-cameraX, -cameraY);
    for (int i = 0; i < quan_fon; i++) {
        paintInView(g, fon[i]);
    }
    for (int i = 0; i < quan_act; i++) {
        paintInView(g, act[i]);
    }
    g.translate(cameraX, cameraY);
    for (int i = 0; i < quan_line; i++) {
        if (line[i].isVisible()) {
            drawIndicator(g, i);
        }
    }
    for (int i = 0; i < quan_text; i++) {
        if (text_visible[i]) {
            drawText(g, i);
        }
    }
}

private void paintInView(Graphics g, Layer layer) {
    int x = layer.getX();
    int y = layer.getY();
    if (layer.isVisible() && x < cameraX + width && y < cameraY + height
            && x + layer.getWidth() > cameraX && y + layer.getHeight() > cameraY) {
        layer.paint(g);
    }
}

/* An indicator shows line_tek of line_ob: that share of the first half of its image,
   the rest from the second half. On a screen of another size it keeps its distances to
   the nearer edges (onScreen). */
private void drawIndicator(Graphics g, int i) {
    Image image = lineImage[i];
    int w = Math.min(line_width[i], image.getWidth() / 2);
    int h = Math.min(line_height[i], image.getHeight());
    if (w <= 0 || h <= 0) {
        return;
    }
    int amount = line_ob[i] > 0 ? line_ob[i] : 1;
    int value = Math.max(0, Math.min(line_tek[i], amount));
    int full = w * value / amount;
    int x = onScreen(line_X[i], w, LAYOUT_WIDTH, width);
    int y = onScreen(line_Y[i], h, LAYOUT_HEIGHT, height);
    if (full > 0) {
        g.drawRegion(image, 0, 0, full, h, Sprite.TRANS_NONE, x, y, Graphics.TOP | Graphics.LEFT);
    }
    if (full < w) {
        g.drawRegion(image, w + full, 0, w - full, h, Sprite.TRANS_NONE, x + full, y,
                Graphics.TOP | Graphics.LEFT);
    }
}

/* A text object's window: text_W x text_H pixels at (text_X, text_Y) on the screen. The
   window of the generated size (TEXT_WINDOW high) grows to hold every row of the text as
   the phone's font lays it out, and no window is wider or higher than the screen. On a
   screen of another size the text keeps its distances to the nearer edges (onScreen). */
private void drawText(Graphics g, int i) {
    int[] rgb = text_color[i];
    int color = ((rgb[0] & 255) << 16) | ((rgb[1] & 255) << 8) | (rgb[2] & 255);
    int w = Math.min(i < text_W.length ? text_W[i] : TEXT_WINDOW, width);
    int h = i < text_H.length ? text_H[i] : TEXT_WINDOW;
    MultiLineText text = textLayout[i];
    int first = tek_str[i];
    text.layout(add_text[i], Math.min(text_ob[i], add_text[i].length), w, textFont[i]);
    int rowsHeight = text.height(first);
    if (h == TEXT_WINDOW) {
        h = Math.max(h, rowsHeight);
    }
    h = Math.min(h, height);
    int x = onScreen(text_X[i], Math.min(w, text.width(first)), LAYOUT_WIDTH, width);
    int y = onScreen(text_Y[i], Math.min(h, rowsHeight), LAYOUT_HEIGHT, height);
    text.draw(g, first, x, y, w, h, color, width, height);
}

/* Where something `size` pixels long, placed at `position` on a screen side of `laid`
   pixels (the screen the game was laid out for), goes on a side of `screen` pixels: it
   keeps its distance to the nearer end of the side (the start when its middle lies in the
   first half, else the end), then moves as little as it must to be wholly on the screen. */
static int onScreen(int position, int size, int laid, int screen) {
    int p = position;
    if (2 * position + size > laid) {
        p += screen - laid;
    }
    return Math.max(0, Math.min(p, screen - size));
}

/* ---- Texts that show a value ---- */

/* The action "строка со значением": the row text i starts at (tek_str, 0-based) becomes
   `row` followed by `value` in decimal. A new string is made only when the row would read
   otherwise, so an event that shows the same value in every frame makes no objects and
   the text keeps its layout; a changed value has the text laid out again in this frame.
   A text without that row is left as it is. */
void text_value(int i, String row, int value) {
    String[] lines = add_text[i];
    int r = tek_str[i];
    if (r < 0 || r >= lines.length || r >= text_ob[i]) {
        return;
    }
    if (lines[r] != null && lines[r] == valueString[i] && value == valueNumber[i]
            && row.equals(valueRow[i])) {
        return;
    }
    String shown = row + value;
    lines[r] = shown;
    valueString[i] = shown;
    valueRow[i] = row;
    valueNumber[i] = value;
}

/* ---- Events: the class Events runs the project's events here, once a frame ---- */
protected abstract void events();
}
