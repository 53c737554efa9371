import javax.microedition.midlet.MIDlet;

/* Prints what the language and the library do at their edges; the machine and the emulator
   must print the same lines. */
public class Conformance extends MIDlet implements Runnable {
    static StringBuffer order = new StringBuffer();

    interface Shape {
        int area();
    }

    interface Named {
        String name();
    }

    static class Square implements Shape, Named {
        int side;

        Square(int side) {
            this.side = side;
        }

        public int area() {
            return side * side;
        }

        public String name() {
            return "square" + side;
        }
    }

    static class Cube extends Square {
        Cube(int side) {
            super(side);
        }

        public int area() {
            return 6 * super.area();
        }
    }

    static class Base {
        static {
            order.append("Base ");
        }
        static int value = 1;
    }

    static class Derived extends Base {
        static {
            order.append("Derived ");
        }
        static int other = value + 1;
    }

    static class Broken {
        static int bad = 1 / zero();
    }

    static int zero() {
        return 0;
    }

    private int counter;
    private final Object lock = new Object();

    private static void p(String s) {
        System.out.println(s);
    }

    protected void startApp() {
        arithmetic();
        floats();
        strings();
        exceptions();
        dispatch();
        statics();
        arrays();
        collections();
        threads();
        p("done");
        notifyDestroyed();
    }

    private void arithmetic() {
        int max = Integer.MAX_VALUE;
        int min = Integer.MIN_VALUE;
        p("int " + (max + 1) + " " + (min - 1) + " " + (min / -1) + " " + (min % -1) + " "
                + (-7 / 2) + " " + (-7 % 2) + " " + (7 % -2) + " " + (max * 2));
        p("shift " + (1 << 33) + " " + (-16 >> 2) + " " + (-16 >>> 28) + " " + (1 << -1) + " "
                + (1L << 65) + " " + (-1L >>> 60) + " " + (-256L >> 4));
        long lmax = Long.MAX_VALUE;
        p("long " + (lmax + 1) + " " + (Long.MIN_VALUE / -1) + " " + (Long.MIN_VALUE % -1L) + " "
                + (lmax * 3) + " " + (-9L / 4) + " " + (-9L % 4));
        p("narrow " + (byte) 200 + " " + (short) 70000 + " " + (int) (char) -1 + " "
                + (int) 3000000000L + " " + (byte) -129);
        try {
            p("div " + (1 / zero()));
        } catch (ArithmeticException e) {
            p("caught " + e.getClass().getName());
        }
        try {
            p("rem " + (5L % (long) zero()));
        } catch (ArithmeticException e) {
            p("caught long " + e.getClass().getName());
        }
    }

    private void floats() {
        float nan = 0.0f / zero();
        double inf = 1.0 / zero();
        p("f2i " + (int) nan + " " + (int) 1e20f + " " + (int) -1e20f + " " + (long) 1e30 + " "
                + (long) -inf + " " + (int) 3.99 + " " + (int) -3.99 + " " + (char) 70000.5);
        p("cmp " + (nan < 1) + " " + (nan > 1) + " " + (nan == nan) + " " + (nan != nan) + " "
                + (inf > 1e308) + " " + (0.0 == -0.0));
        p("fmt " + 1.0 + " " + 0.1 + " " + 100.0f + " " + 1e7 + " " + 1e-3 + " " + 1e-4 + " "
                + 123456789.0 + " " + 1.0f / 3 + " " + 2.0 / 3 + " " + (-0.0) + " " + inf + " "
                + nan + " " + Float.MAX_VALUE + " " + Double.MIN_VALUE + " " + 9999999.0 + " "
                + 0.001f + " " + 1.0E-5f + " " + 3.4e38f + " " + 1e21 + " " + 5e-324);
        p("math " + Math.sqrt(2) + " " + Math.floor(-1.5) + " " + Math.ceil(-1.5) + " "
                + Math.abs(-0.0) + " " + Math.max(-0.0f, 0.0f) + " " + Math.min(nan, 1f) + " "
                + (float) 0.1 + " " + (double) 0.1f + " " + (7.5 % 2) + " " + (-7.5f % 2));
        p("parse " + Double.parseDouble("  1.5e3 ") + " " + Float.parseFloat("0x1p-2") + " "
                + Integer.parseInt("-2147483648") + " " + Long.parseLong("7fffffffffffffff", 16)
                + " " + Integer.toString(-255, 16) + " " + Integer.toHexString(-1) + " "
                + Integer.toBinaryString(10) + " " + Integer.toOctalString(8));
        try {
            Integer.parseInt("2147483648");
        } catch (NumberFormatException e) {
            p("nfe " + e.getMessage());
        }
    }

    private void strings() {
        StringBuffer b = new StringBuffer();
        b.append(1).append('c').append(true).append(2L).append(1.5f).append((Object) null);
        b.insert(0, "x").reverse();
        p("buffer " + b + " " + b.length());
        String s = "  Hello, World  ".trim();
        p("string " + s.toUpperCase() + " " + s.toLowerCase() + " " + s.indexOf("World") + " "
                + s.lastIndexOf('o') + " " + s.substring(7) + " " + s.replace('l', 'L') + " "
                + s.compareTo("Hello") + " " + "abc".hashCode() + " " + s.startsWith("World", 7)
                + " " + s.endsWith("ld") + " " + s.charAt(4) + " " + "a".concat("b"));
        p("equal " + s.equals("Hello, World") + " " + "ABC".equalsIgnoreCase("abc") + " "
                + (s == s.intern()) + " " + ("lit" == "lit") + " " + String.valueOf(new char[] {
                    'h', 'i'}) + " " + new String("\u0436\u0451").length());
        try {
            s.charAt(100);
        } catch (StringIndexOutOfBoundsException e) {
            p("sioobe");
        }
    }

    private static int depth;

    private int finallyOrder(StringBuffer log) {
        try {
            log.append("try ");
            throw new IllegalStateException("inner");
        } catch (IllegalStateException e) {
            log.append("catch ");
            return 1;
        } finally {
            log.append("finally");
        }
    }

    private void exceptions() {
        StringBuffer log = new StringBuffer();
        p("finally " + finallyOrder(log) + " " + log);
        try {
            Object o = null;
            o.hashCode();
        } catch (NullPointerException e) {
            p("npe");
        }
        try {
            int[] a = new int[2];
            a[2] = 1;
        } catch (ArrayIndexOutOfBoundsException e) {
            p("aioobe");
        }
        try {
            Object o = "x";
            Integer i = (Integer) o;
            p("no " + i);
        } catch (ClassCastException e) {
            p("cce");
        }
        try {
            int[] a = new int[-1];
            p("no " + a.length);
        } catch (NegativeArraySizeException e) {
            p("nase " + e.getMessage());
        }
        try {
            Object[] a = new String[1];
            a[0] = new Integer(1);
        } catch (ArrayStoreException e) {
            p("ase");
        }
        try {
            throw new Error("custom");
        } catch (Throwable t) {
            p("throwable " + t.getMessage() + " " + (t instanceof Error) + " " + t);
        }
        try {
            recurse();
        } catch (StackOverflowError e) {
            p("soe " + (depth > 100));
        }
        int loops = 0;
        for (int i = 0; i < 3; i++) {
            try {
                try {
                    if (i == 1) {
                        continue;
                    }
                    loops += 10;
                } finally {
                    loops++;
                }
            } catch (RuntimeException e) {
                loops = -1;
            }
        }
        p("loops " + loops);
    }

    private static void recurse() {
        depth++;
        recurse();
    }

    private void dispatch() {
        Shape[] shapes = {new Square(3), new Cube(2)};
        int total = 0;
        for (int i = 0; i < shapes.length; i++) {
            total += shapes[i].area();
        }
        Named n = new Cube(4);
        Object o = shapes;
        p("dispatch " + total + " " + n.name() + " " + (n instanceof Shape) + " "
                + (o instanceof Object[]) + " " + (o instanceof Shape[]) + " "
                + (o instanceof Named[]) + " " + (shapes[1] instanceof Square) + " "
                + (new int[0] instanceof Object) + " " + shapes.getClass().getName());
    }

    private void statics() {
        p("statics " + Derived.other + " " + order);
        try {
            p("no " + Broken.bad);
        } catch (Throwable t) {
            p("init " + (t instanceof Error));
        }
        try {
            p("no " + Broken.bad);
        } catch (Throwable t) {
            p("again " + t.getClass().getName());
        }
        try {
            Class.forName("NoSuchClassAnywhere");
        } catch (ClassNotFoundException e) {
            p("cnfe");
        }
    }

    private void arrays() {
        int[][] grid = new int[3][4];
        grid[2][3] = 7;
        long[] longs = {1, 2, 3};
        long[] copy = new long[5];
        System.arraycopy(longs, 0, copy, 1, 3);
        char[] chars = "abc".toCharArray();
        boolean[] flags = new boolean[2];
        flags[1] = true;
        double[] ds = {0.5};
        byte[] bytes = {(byte) 255};
        short[] shorts = {(short) -2};
        p("arrays " + grid.length + " " + grid[2].length + " " + grid[2][3] + " " + copy[3] + " "
                + chars[1] + " " + flags[1] + " " + ds[0] + " " + bytes[0] + " " + shorts[0]);
        Object[] objs = new Object[2];
        System.arraycopy(new String[] {"s", "t"}, 0, objs, 0, 2);
        p("copy " + objs[1]);
    }

    private void collections() {
        java.util.Hashtable h = new java.util.Hashtable();
        for (int i = 0; i < 20; i++) {
            h.put("k" + i, new Integer(i));
        }
        h.remove("k3");
        StringBuffer keys = new StringBuffer();
        for (java.util.Enumeration e = h.keys(); e.hasMoreElements();) {
            keys.append(e.nextElement()).append(',');
        }
        p("hashtable " + h.size() + " " + keys);
        java.util.Vector v = new java.util.Vector();
        v.addElement("a");
        v.addElement("b");
        v.insertElementAt("c", 1);
        v.removeElementAt(0);
        p("vector " + v + " " + v.indexOf("b"));
        java.util.Random r = new java.util.Random(42);
        p("random " + r.nextInt() + " " + r.nextInt(100) + " " + r.nextLong() + " "
                + r.nextInt(64));
        java.util.Random unseeded = new java.util.Random();
        p("unseeded " + unseeded.nextInt(1000));
        p("time " + System.currentTimeMillis());
    }

    public void run() {
        for (int i = 0; i < 3; i++) {
            synchronized (lock) {
                counter++;
                p("worker " + i);
                lock.notifyAll();
            }
            try {
                Thread.sleep(10);
            } catch (InterruptedException e) {
                p("interrupted");
            }
        }
    }

    private void threads() {
        Thread t = new Thread(this);
        t.start();
        synchronized (lock) {
            while (counter < 3) {
                try {
                    lock.wait();
                } catch (InterruptedException e) {
                    p("interrupted");
                }
                p("main saw " + counter);
            }
        }
        try {
            t.join();
        } catch (InterruptedException e) {
            p("interrupted");
        }
        p("threads " + t.isAlive() + " " + counter + " " + System.currentTimeMillis());
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
