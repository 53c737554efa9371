import javax.microedition.midlet.MIDlet;

/* Does one wrong thing, chosen by the manifest's Bad-Case, and lets the error escape. */
public class Bad extends MIDlet {
    private static int depth;
    private Object[] kept;

    private static void recurse() {
        depth++;
        recurse();
    }

    protected void startApp() {
        String c = getAppProperty("Bad-Case");
        System.out.println("case " + c);
        if (c.equals("null")) {
            Object o = null;
            System.out.println(o.toString());
        } else if (c.equals("index")) {
            int[] a = new int[3];
            a[3] = 1;
        } else if (c.equals("cast")) {
            Object o = new StringBuffer();
            System.out.println((String) o);
        } else if (c.equals("negative")) {
            System.out.println(new byte[depth - 1].length);
        } else if (c.equals("heap")) {
            kept = new Object[100000];
            for (int i = 0; i < kept.length; i++) {
                kept[i] = new int[10000];
            }
        } else if (c.equals("recursion")) {
            recurse();
        } else if (c.equals("busy")) {
            new Thread() {
                public void run() {
                    System.out.println("the other thread ran");
                    notifyDestroyed();
                }
            }.start();
            while (depth >= 0) {
                depth = (depth + 1) & 0xFFFF;
            }
        } else if (c.equals("loop")) {
            while (depth >= 0) {
                depth = (depth + 1) & 0xFFFF;
            }
        } else if (c.equals("missing")) {
            new Missing().run();
        } else if (c.equals("internal")) {
            avizad.vm.VM.exit(7);
        } else if (c.equals("reach")) {
            try {
                Class.forName("avizad.vm.VM");
                System.out.println("found the machine");
            } catch (ClassNotFoundException e) {
                System.out.println("no machine class");
            }
            System.out.println("resource " + getClass().getResourceAsStream("/../../etc/passwd")
                    + " " + (getClass().getResourceAsStream("/Bad.class") != null));
            System.out.println("property " + System.getProperty("user.home"));
        }
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
