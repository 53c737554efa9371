package java.lang;

import java.io.InputStream;

public final class Class {
    /** The machine's class behind this object. */
    private long vmClass;

    private Class() {
    }

    public static native Class forName(String className) throws ClassNotFoundException;

    public native Object newInstance() throws InstantiationException, IllegalAccessException;

    public native boolean isInstance(Object obj);

    public native boolean isAssignableFrom(Class cls);

    public native boolean isInterface();

    public native boolean isArray();

    public native String getName();

    public InputStream getResourceAsStream(String name) {
        if (name == null) {
            throw new NullPointerException();
        }
        if (!name.startsWith("/")) {
            String n = getName();
            int dot = n.lastIndexOf('.');
            if (dot >= 0) {
                name = n.substring(0, dot + 1).replace('.', '/') + name;
            }
        } else {
            name = name.substring(1);
        }
        byte[] data = avizad.vm.VM.resource(name);
        return data == null ? null : new java.io.ByteArrayInputStream(data);
    }

    public String toString() {
        return (isInterface() ? "interface " : "class ") + getName();
    }
}
