package javax.microedition.rms;

import avizad.emulator.Device;
import avizad.emulator.VM;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.IOException;
import java.util.Hashtable;
import java.util.TreeMap;
import java.util.Vector;

/**
 * A MIDlet's persistent records. In a window the stores are kept as files below the user's data
 * folder; a headless run keeps them in memory, so every run starts from the same state.
 */
public class RecordStore {
    public static final int AUTHMODE_PRIVATE = 0;
    public static final int AUTHMODE_ANY = 1;

    private static final Hashtable OPEN = new Hashtable();
    private static final Hashtable MEMORY = new Hashtable();
    private static final int CAPACITY = 1 << 20;

    private final String name;
    private TreeMap<Integer, byte[]> records = new TreeMap<>();
    private int nextId = 1;
    private int version;
    private long lastModified;
    private int openCount;
    private final Vector listeners = new Vector();
    final Vector enumerations = new Vector();

    private RecordStore(String name) {
        this.name = name;
    }

    private static File folder() {
        String base = System.getenv("XDG_DATA_HOME");
        File root = base != null && base.length() > 0 ? new File(base)
                : new File(System.getProperty("user.home"), ".local/share");
        String suite = Device.property("MIDlet-Vendor") + "_" + Device.property("MIDlet-Name");
        return new File(new File(root, "avizad-emulator/rms"),
                suite.replaceAll("[^A-Za-z0-9_.-]", "_"));
    }

    private static File file(String name) {
        StringBuffer sb = new StringBuffer();
        for (int i = 0; i < name.length(); i++) {
            char c = name.charAt(i);
            if (Character.isLetterOrDigit(c) && c < 128) {
                sb.append(c);
            } else {
                sb.append('%').append(Integer.toHexString(c));
            }
        }
        return new File(folder(), sb + ".rms");
    }

    private static boolean persistent() {
        return !VM.isVirtual();
    }

    private static void checkName(String name) {
        if (name == null || name.length() < 1 || name.length() > 32) {
            throw new IllegalArgumentException("a record store name has 1 to 32 characters");
        }
    }

    public static synchronized RecordStore openRecordStore(String recordStoreName,
            boolean createIfNecessary) throws RecordStoreException, RecordStoreFullException,
            RecordStoreNotFoundException {
        checkName(recordStoreName);
        RecordStore rs = (RecordStore) OPEN.get(recordStoreName);
        if (rs == null) {
            rs = load(recordStoreName);
            if (rs == null) {
                if (!createIfNecessary) {
                    throw new RecordStoreNotFoundException(recordStoreName);
                }
                rs = new RecordStore(recordStoreName);
                rs.lastModified = VM.currentTimeMillis();
                rs.save();
            }
            OPEN.put(recordStoreName, rs);
        }
        rs.openCount++;
        return rs;
    }

    public static RecordStore openRecordStore(String recordStoreName, boolean createIfNecessary,
            int authmode, boolean writable) throws RecordStoreException, RecordStoreFullException,
            RecordStoreNotFoundException {
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authmode");
        }
        return openRecordStore(recordStoreName, createIfNecessary);
    }

    public static RecordStore openRecordStore(String recordStoreName, String vendorName,
            String suiteName) throws RecordStoreException, RecordStoreNotFoundException {
        if (vendorName == null || suiteName == null) {
            throw new IllegalArgumentException("vendor and suite names are required");
        }
        if (!vendorName.equals(Device.property("MIDlet-Vendor"))
                || !suiteName.equals(Device.property("MIDlet-Name"))) {
            throw new RecordStoreNotFoundException(recordStoreName);
        }
        return openRecordStore(recordStoreName, false);
    }

    public static synchronized void deleteRecordStore(String recordStoreName)
            throws RecordStoreException, RecordStoreNotFoundException {
        RecordStore rs = (RecordStore) OPEN.get(recordStoreName);
        if (rs != null && rs.openCount > 0) {
            throw new RecordStoreException("the record store is open");
        }
        OPEN.remove(recordStoreName);
        if (persistent()) {
            File f = file(recordStoreName);
            if (!f.delete()) {
                throw new RecordStoreNotFoundException(recordStoreName);
            }
        } else if (MEMORY.remove(recordStoreName) == null) {
            throw new RecordStoreNotFoundException(recordStoreName);
        }
    }

    public static synchronized String[] listRecordStores() {
        Vector names = new Vector();
        if (persistent()) {
            File[] files = folder().listFiles();
            if (files != null) {
                for (int i = 0; i < files.length; i++) {
                    String n = files[i].getName();
                    if (n.endsWith(".rms")) {
                        names.addElement(decode(n.substring(0, n.length() - 4)));
                    }
                }
            }
        } else {
            java.util.Enumeration e = MEMORY.keys();
            while (e.hasMoreElements()) {
                names.addElement(e.nextElement());
            }
        }
        if (names.isEmpty()) {
            return null;
        }
        String[] out = new String[names.size()];
        names.copyInto(out);
        java.util.Arrays.sort(out);
        return out;
    }

    private static String decode(String s) {
        StringBuffer sb = new StringBuffer();
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c == '%') {
                int end = i + 1;
                while (end < s.length() && Character.digit(s.charAt(end), 16) >= 0) {
                    end++;
                }
                sb.append((char) Integer.parseInt(s.substring(i + 1, end), 16));
                i = end - 1;
            } else {
                sb.append(c);
            }
        }
        return sb.toString();
    }

    private static RecordStore load(String name) throws RecordStoreException {
        if (!persistent()) {
            return (RecordStore) MEMORY.get(name);
        }
        File f = file(name);
        if (!f.isFile()) {
            return null;
        }
        RecordStore rs = new RecordStore(name);
        try (DataInputStream in = new DataInputStream(new FileInputStream(f))) {
            rs.nextId = in.readInt();
            rs.version = in.readInt();
            rs.lastModified = in.readLong();
            int n = in.readInt();
            for (int i = 0; i < n; i++) {
                int id = in.readInt();
                byte[] data = new byte[in.readInt()];
                in.readFully(data);
                rs.records.put(id, data);
            }
        } catch (IOException e) {
            throw new RecordStoreException("cannot read record store " + name + ": " + e);
        }
        return rs;
    }

    private void save() throws RecordStoreException {
        if (!persistent()) {
            MEMORY.put(name, this);
            return;
        }
        File f = file(name);
        File tmp = new File(f.getPath() + ".tmp");
        f.getParentFile().mkdirs();
        try (DataOutputStream out = new DataOutputStream(new FileOutputStream(tmp))) {
            out.writeInt(nextId);
            out.writeInt(version);
            out.writeLong(lastModified);
            out.writeInt(records.size());
            for (java.util.Map.Entry<Integer, byte[]> e : records.entrySet()) {
                out.writeInt(e.getKey());
                out.writeInt(e.getValue().length);
                out.write(e.getValue());
            }
        } catch (IOException e) {
            throw new RecordStoreException("cannot write record store " + name + ": " + e);
        }
        if (!tmp.renameTo(f)) {
            throw new RecordStoreException("cannot write record store " + name);
        }
    }

    private void checkOpen() throws RecordStoreNotOpenException {
        if (openCount <= 0) {
            throw new RecordStoreNotOpenException(name);
        }
    }

    private void touched() throws RecordStoreException {
        version++;
        lastModified = VM.currentTimeMillis();
        save();
    }

    public void setMode(int authmode, boolean writable) throws RecordStoreException {
        checkOpen();
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authmode");
        }
    }

    public synchronized void closeRecordStore() throws RecordStoreNotOpenException,
            RecordStoreException {
        checkOpen();
        openCount--;
        if (openCount == 0) {
            listeners.removeAllElements();
            synchronized (RecordStore.class) {
                OPEN.remove(name);
            }
        }
    }

    public String getName() throws RecordStoreNotOpenException {
        checkOpen();
        return name;
    }

    public synchronized int getVersion() throws RecordStoreNotOpenException {
        checkOpen();
        return version;
    }

    public synchronized int getNumRecords() throws RecordStoreNotOpenException {
        checkOpen();
        return records.size();
    }

    public synchronized int getSize() throws RecordStoreNotOpenException {
        checkOpen();
        int size = 16;
        for (byte[] r : records.values()) {
            size += 8 + r.length;
        }
        return size;
    }

    public int getSizeAvailable() throws RecordStoreNotOpenException {
        return Math.max(0, CAPACITY - getSize());
    }

    public synchronized long getLastModified() throws RecordStoreNotOpenException {
        checkOpen();
        return lastModified;
    }

    public void addRecordListener(RecordListener listener) {
        if (listener != null && !listeners.contains(listener)) {
            listeners.addElement(listener);
        }
    }

    public void removeRecordListener(RecordListener listener) {
        listeners.removeElement(listener);
    }

    public synchronized int getNextRecordID() throws RecordStoreNotOpenException,
            RecordStoreException {
        checkOpen();
        return nextId;
    }

    private void notifyListeners(int kind, int id) {
        Vector copy = (Vector) listeners.clone();
        for (int i = 0; i < copy.size(); i++) {
            RecordListener l = (RecordListener) copy.elementAt(i);
            if (kind == 0) {
                l.recordAdded(this, id);
            } else if (kind == 1) {
                l.recordChanged(this, id);
            } else {
                l.recordDeleted(this, id);
            }
        }
        Vector en = (Vector) enumerations.clone();
        for (int i = 0; i < en.size(); i++) {
            ((StoreEnumeration) en.elementAt(i)).storeChanged();
        }
    }

    public int addRecord(byte[] data, int offset, int numBytes) throws RecordStoreNotOpenException,
            RecordStoreException, RecordStoreFullException {
        int id;
        synchronized (this) {
            checkOpen();
            byte[] copy = copyOf(data, offset, numBytes);
            if (getSize() + 8 + copy.length > CAPACITY) {
                throw new RecordStoreFullException();
            }
            id = nextId++;
            records.put(id, copy);
            touched();
        }
        notifyListeners(0, id);
        return id;
    }

    private static byte[] copyOf(byte[] data, int offset, int numBytes) {
        if (data == null) {
            if (numBytes > 0) {
                throw new NullPointerException();
            }
            return new byte[0];
        }
        if (offset < 0 || numBytes < 0 || offset + numBytes > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        byte[] copy = new byte[numBytes];
        System.arraycopy(data, offset, copy, 0, numBytes);
        return copy;
    }

    private byte[] find(int recordId) throws InvalidRecordIDException {
        byte[] r = records.get(recordId);
        if (r == null) {
            throw new InvalidRecordIDException("record " + recordId);
        }
        return r;
    }

    public void deleteRecord(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        synchronized (this) {
            checkOpen();
            find(recordId);
            records.remove(recordId);
            touched();
        }
        notifyListeners(2, recordId);
    }

    public synchronized int getRecordSize(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        checkOpen();
        return find(recordId).length;
    }

    public synchronized int getRecord(int recordId, byte[] buffer, int offset)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        checkOpen();
        byte[] r = find(recordId);
        System.arraycopy(r, 0, buffer, offset, r.length);
        return r.length;
    }

    public synchronized byte[] getRecord(int recordId) throws RecordStoreNotOpenException,
            InvalidRecordIDException, RecordStoreException {
        checkOpen();
        byte[] r = find(recordId);
        return r.length == 0 ? null : r.clone();
    }

    public void setRecord(int recordId, byte[] newData, int offset, int numBytes)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException,
            RecordStoreFullException {
        synchronized (this) {
            checkOpen();
            byte[] old = find(recordId);
            byte[] copy = copyOf(newData, offset, numBytes);
            if (getSize() - old.length + copy.length > CAPACITY) {
                throw new RecordStoreFullException();
            }
            records.put(recordId, copy);
            touched();
        }
        notifyListeners(1, recordId);
    }

    public synchronized RecordEnumeration enumerateRecords(RecordFilter filter,
            RecordComparator comparator, boolean keepUpdated) throws RecordStoreNotOpenException {
        checkOpen();
        return new StoreEnumeration(this, filter, comparator, keepUpdated);
    }

    /** The ids and contents of the records, in id order (for enumerations). */
    synchronized int[] ids() {
        int[] out = new int[records.size()];
        int i = 0;
        for (Integer id : records.keySet()) {
            out[i++] = id;
        }
        return out;
    }

    synchronized byte[] peek(int id) {
        return records.get(id);
    }

    boolean isOpen() {
        return openCount > 0;
    }
}
