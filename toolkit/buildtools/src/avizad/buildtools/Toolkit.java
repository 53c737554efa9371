package avizad.buildtools;

import java.io.File;
import java.net.URISyntaxException;

/** Where the toolkit's files are, found from the jar these classes are loaded from. */
final class Toolkit {
    private Toolkit() {}

    /** The folder wtk/lib of the toolkit: the one that holds this class's jar. */
    static File libDir() {
        try {
            File jar = new File(Toolkit.class.getProtectionDomain().getCodeSource().getLocation()
                    .toURI());
            return jar.isDirectory() ? jar : jar.getParentFile();
        } catch (URISyntaxException | SecurityException e) {
            throw new IllegalStateException("cannot find the toolkit's folder", e);
        }
    }

    /** The CLDC 1.1 class library, the compiler's default boot class path. */
    static File cldcApi() {
        return new File(libDir(), "cldcapi11.jar");
    }
}
